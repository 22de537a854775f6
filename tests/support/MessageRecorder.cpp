#include "support/MessageRecorder.h"

#include <QStringList>

namespace quorv::test {

MessageRecorder::MessageRecorder()
{
    ui::Messages::setHandler([this](const ui::Message &m) {
        m_messages << m;
        return m_answers.isEmpty() ? true : m_answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder()
{
    ui::Messages::setHandler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const auto &m : m_messages)
        result << m.text;
    return result;
}

} // namespace quorv::test
