#pragma once

#include <QDialog>

class QLineEdit;

namespace quorv {

// `xinjianshujuku`: shown when the database file is missing. Creates it with every table and the
// first manager account; "取消" ends the program.
class FirstRunDialog : public QDialog {
    Q_OBJECT
public:
    explicit FirstRunDialog(QString path, QWidget *parent = nullptr);

private:
    void create();

    QString m_path;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_confirmation = nullptr;
};

} // namespace quorv
