#pragma once

#include <QWidget>

namespace quorv {

class Db;

// `add_zhengjian`: enters one licence application.
class LicenceEntryScreen : public QWidget {
    Q_OBJECT
public:
    explicit LicenceEntryScreen(Db &db, QWidget *parent = nullptr);

private:
    void submit();
    QString text(const char *control) const;

    Db &m_db;
};

} // namespace quorv
