#pragma once

#include <QString>

#include <exception>

namespace quorv {

// The database engine refused or failed. Carries the engine's own text, which the screens show
// in a critical box; the action stops and nothing of it is written.
class DbError : public std::exception {
public:
    explicit DbError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

// A typed value that its column cannot hold (a date that is not a date, a fraction in a
// whole-number column). The text names the field; nothing is written.
class InputError : public std::exception {
public:
    explicit InputError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

} // namespace quorv
