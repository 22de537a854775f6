#pragma once

#include <QWidget>

class QLineEdit;

namespace quorv {

class Db;

// `kaleiyc`: asks for the card number before a booking on a card.
class CardPromptScreen : public QWidget {
    Q_OBJECT
public:
    explicit CardPromptScreen(Db &db, QWidget *parent = nullptr);

private:
    void lookUp();
    void walkIn();

    Db &m_db;
    QLineEdit *m_card = nullptr;
};

} // namespace quorv
