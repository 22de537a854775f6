#include "reference/ReferenceScreen.h"

#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/DataGrid.h"
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

ReferenceScreen::ReferenceScreen(const ReferenceKind &kind, Db &db, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_db(db)
{
    setObjectName(kind.listScreen);
    setWindowTitle(kind.listCaption);
    ui::addBackdrop(this);

    auto *listFrame = new QGroupBox(kind.listCaption, this);
    m_grid = new ui::DataGrid(db,
                              {{QStringLiteral("id"), QStringLiteral("id")},
                               {kind.nameCaption, kind.table},
                               {QStringLiteral("备注"), QStringLiteral("beizhu")},
                               {kind.timeCaption, QStringLiteral("time")}},
                              listFrame);
    (new QVBoxLayout(listFrame))->addWidget(m_grid);

    auto *addFrame = new QGroupBox(kind.addFrame, this);
    m_name = ui::textBox(addFrame, QStringLiteral("Text1_0"));
    m_remark = ui::textBox(addFrame, QStringLiteral("Text1_1"));
    auto *form = new QFormLayout(addFrame);
    form->addRow(kind.nameLabel, m_name);
    form->addRow(QStringLiteral("备注："), m_remark);

    auto *add = ui::button(this, kind.addButton, QStringLiteral("添加"));
    auto *edit = ui::button(this, kind.editButton, QStringLiteral("修改"));
    auto *del = ui::button(this, kind.deleteButton, QStringLiteral("删除"));
    auto *refresh = ui::button(this, QStringLiteral("gengxin"), QStringLiteral("更新"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {add, edit, del, refresh})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listFrame, 1);
    layout->addWidget(addFrame);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &ReferenceScreen::addEntry);
    connect(edit, &QPushButton::clicked, this, &ReferenceScreen::editEntry);
    connect(del, &QPushButton::clicked, this, &ReferenceScreen::deleteEntry);
    connect(refresh, &QPushButton::clicked, this, [this] {
        reload();
        m_name->clear();
        m_remark->clear();
        ui::warning(this, QStringLiteral("更新成功！"));
    });
    connect(m_name, &QLineEdit::returnPressed, m_remark, qOverload<>(&QWidget::setFocus));
    connect(m_remark, &QLineEdit::returnPressed, this, &ReferenceScreen::addEntry);
    resize(560, 460);
    reload();
}

void ReferenceScreen::reload()
{
    ui::guard(this, [this] { m_grid->setQuery(Criteria(m_kind.table)); });
}

void ReferenceScreen::addEntry()
{
    ui::guard(this, [this] {
        switch (reference::add(m_db, m_kind, m_name->text(), m_remark->text())) {
        case reference::AddOutcome::EmptyName:
            ui::warning(this, m_kind.emptyNameMessage);
            m_name->setFocus();
            return;
        case reference::AddOutcome::EmptyRemark:
            ui::warning(this, QStringLiteral("备注不能为空"));
            m_remark->setFocus();
            return;
        case reference::AddOutcome::Added:
            ui::plain(this, m_kind.addedMessage);
            ui::closeScreen(this);
            return;
        }
    });
}

void ReferenceScreen::editEntry()
{
    if (m_grid->rows() == 0) {
        ui::warning(this, QStringLiteral("还没有数据"));
        return;
    }
    const QSqlRecord row = m_grid->currentRecord();
    ui::openEditor(m_kind.editScreen, row);
    if (m_kind.hideOnEdit)
        ui::hideScreen(this);
    else
        ui::closeScreen(this);
}

void ReferenceScreen::deleteEntry()
{
    if (m_grid->rows() == 0) {
        ui::warning(this, QStringLiteral("还没有数据"));
        return;
    }
    const QSqlRecord row = m_grid->currentRecord();
    if (ui::question(this, m_kind.deletePrefix + row.value(m_kind.table).toString() + QStringLiteral("?")
                               + m_kind.deleteNote)
        && !ui::guard(this, [&] { reference::remove(m_db, m_kind, row.value(QStringLiteral("id")).toLongLong()); }))
        return;
    ui::closeScreen(this);
}

} // namespace quorv
