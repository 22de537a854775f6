#include "reference/ReferenceEditScreen.h"

#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/ScreenHost.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

ReferenceEditScreen::ReferenceEditScreen(const ReferenceKind &kind, Db &db, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_db(db)
{
    setObjectName(kind.editScreen);
    setWindowTitle(kind.editCaption);
    ui::addBackdrop(this);

    auto frame = [this, &kind](const QString &title, const QString &nameBox, const QString &remarkBox,
                               QLineEdit *&name, QLineEdit *&remark) {
        auto *box = new QGroupBox(title, this);
        name = ui::textBox(box, nameBox);
        remark = ui::textBox(box, remarkBox);
        auto *form = new QFormLayout(box);
        form->addRow(kind.nameLabel, name);
        form->addRow(QStringLiteral("备注："), remark);
        return box;
    };
    auto *frames = new QHBoxLayout;
    if (kind.twoFrames) {
        // The current values beside boxes for the new ones.
        frames->addWidget(frame(kind.oldFrame, QStringLiteral("Text1_0"), QStringLiteral("Text1_1"), m_oldName, m_oldRemark));
        frames->addWidget(frame(kind.newFrame, QStringLiteral("Text1_2"), QStringLiteral("Text1_3"), m_name, m_remark));
        m_oldName->setReadOnly(true);
        m_oldRemark->setReadOnly(true);
    } else {
        frames->addWidget(frame(kind.newFrame, QStringLiteral("Text1_0"), QStringLiteral("Text1_1"), m_name, m_remark));
        m_oldName = m_name;
        m_oldRemark = m_remark;
    }
    m_id = ui::textBox(this, QStringLiteral("id"));
    m_id->hide();

    auto *save = ui::button(this, QStringLiteral("Command1"), QStringLiteral("修改"));
    auto *cancel = ui::button(this, QStringLiteral("Command2"), QStringLiteral("取消"));
    auto *buttons = ui::buttonRow({save, cancel});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &ReferenceEditScreen::save);
    connect(cancel, &QPushButton::clicked, this, [this] { ui::closeScreen(this); });
    connect(m_remark, &QLineEdit::returnPressed, this, &ReferenceEditScreen::save);
    resize(kind.twoFrames ? 620 : 360, 200);
}

void ReferenceEditScreen::load(const QSqlRecord &row)
{
    const QString name = row.value(m_kind.table).toString();
    const QString remark = row.value(QStringLiteral("beizhu")).toString();
    if (!name.isEmpty())
        m_oldName->setText(name);
    if (!remark.isEmpty())
        m_oldRemark->setText(remark);
    m_id->setText(row.value(QStringLiteral("id")).toString());
    m_name->setFocus();
}

void ReferenceEditScreen::save()
{
    if (!ui::guard(this, [this] { reference::change(m_db, m_kind, m_id->text().toLongLong(), m_name->text(), m_remark->text()); }))
        return;
    ui::plain(this, QStringLiteral("修改完成！"));
    ui::closeScreen(this);
}

} // namespace quorv
