#include "admin/RangeEditScreen.h"

#include "admin/RangeKinds.h"
#include "admin/RangeRules.h"
#include "admin/RangeScreen.h"
#include "ui/Controls.h"
#include "ui/Backdrop.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/ScreenHost.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

namespace {

QLineEdit *namedBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

RangeEditScreen::RangeEditScreen(const RangeKind &kind, Db &db, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_db(db)
{
    setObjectName(kind.editScreen);
    setWindowTitle(kind.editCaption);
    ui::addBackdrop(this);

    auto *layout = new QVBoxLayout(this);
    if (kind.sideBySide) {
        // The current numbers beside empty boxes for the new ones.
        auto *frames = new QHBoxLayout;
        const struct {
            const char *title;
            const char *start;
            const char *end;
        } sides[] = {{"原来卡号", "Text1_0", "Text1_1"}, {"修改卡号", "Text1_2", "Text1_3"}};
        for (const auto &side : sides) {
            auto *frame = new QGroupBox(QString::fromUtf8(side.title), this);
            auto *form = new QFormLayout(frame);
            form->addRow(QStringLiteral("开始号："), namedBox(frame, QString::fromLatin1(side.start)));
            form->addRow(QStringLiteral("结束号："), namedBox(frame, QString::fromLatin1(side.end)));
            frames->addWidget(frame);
        }
        box(QStringLiteral("Text1_0"))->setReadOnly(true);
        box(QStringLiteral("Text1_1"))->setReadOnly(true);
        layout->addLayout(frames);
    } else {
        auto *form = new QFormLayout;
        const QString keep = QStringLiteral("不修改请留空");
        for (const auto &[name, label] : {std::pair{kind.editStartBox, kind.editStartLabel},
                                          std::pair{kind.editEndBox, kind.editEndLabel}}) {
            auto *row = new QHBoxLayout;
            row->addWidget(namedBox(this, name));
            row->addWidget(new QLabel(keep, this));
            form->addRow(label, row);
        }
        layout->addLayout(form);
        auto *note = new QLabel(QStringLiteral("当输入二本连接的票号时，可以选择修改票号，直接把修改终止票号就行了。"), this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    m_id = namedBox(this, QStringLiteral("id"));
    m_id->setReadOnly(true);
    m_id->hide();

    auto *save = new QPushButton(kind.saveCaption, this);
    save->setObjectName(kind.saveButton);
    auto *back = new QPushButton(kind.backCaption, this);
    back->setObjectName(kind.backButton);
    auto *buttons = ui::buttonRow({save, back});
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &RangeEditScreen::save);
    connect(back, &QPushButton::clicked, this, [this] { ui::closeScreen(this); });
    connect(box(kind.editEndBox), &QLineEdit::returnPressed, this, &RangeEditScreen::save);
    resize(480, 220);
}

QLineEdit *RangeEditScreen::box(const QString &name)
{
    return findChild<QLineEdit *>(name);
}

void RangeEditScreen::load(const QSqlRecord &row)
{
    const QString start = m_kind.sideBySide ? QStringLiteral("Text1_0") : m_kind.editStartBox;
    const QString end = m_kind.sideBySide ? QStringLiteral("Text1_1") : m_kind.editEndBox;
    box(start)->setText(row.value(QStringLiteral("qsph")).toString());
    box(end)->setText(row.value(QStringLiteral("zzph")).toString());
    m_id->setText(row.value(QStringLiteral("id")).toString());
    box(m_kind.editStartBox)->setFocus();
}

void RangeEditScreen::save()
{
    const bool saved = ui::guard(this, [this] {
        ranges::change(m_db, m_kind, m_id->text().toLongLong(), box(m_kind.editStartBox)->text(),
                       box(m_kind.editEndBox)->text());
    });
    if (!saved)
        return;
    m_saved = true;
    ui::plain(this, QStringLiteral("修改完成！"));
    ui::closeScreen(this);
}

void RangeEditScreen::closeEvent(QCloseEvent *event)
{
    // The list was hidden while this screen was open; bring it back, with the change.
    if (auto *host = ui::ScreenHost::instance())
        if (auto *list = qobject_cast<RangeScreen *>(host->find(m_kind.listScreen))) {
            if (m_saved)
                list->reload();
            ui::showScreen(list);
        }
    event->accept();
}

} // namespace quorv
