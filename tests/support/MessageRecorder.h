#pragma once

#include "ui/Messages.h"

#include <QList>

namespace quorv::test {

// Takes the place of the message boxes while it lives: records every message and answers
// questions from a script (Yes when the script is empty).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    void answer(bool yes) { m_answers << yes; }
    const QList<ui::Message> &messages() const { return m_messages; }
    QStringList texts() const;
    ui::Message last() const { return m_messages.isEmpty() ? ui::Message{} : m_messages.last(); }
    void clear() { m_messages.clear(); }

private:
    QList<ui::Message> m_messages;
    QList<bool> m_answers;
};

} // namespace quorv::test
