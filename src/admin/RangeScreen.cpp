#include "admin/RangeScreen.h"

#include "admin/RangeKinds.h"
#include "admin/RangeRules.h"
#include "ui/Backdrop.h"
#include "ui/DataGrid.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/NumberBox.h"
#include "ui/ScreenHost.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

RangeScreen::RangeScreen(const RangeKind &kind, Db &db, QWidget *parent) : QWidget(parent), m_kind(kind), m_db(db)
{
    setObjectName(kind.listScreen);
    setWindowTitle(kind.listCaption);
    ui::addBackdrop(this);

    m_grid = new ui::DataGrid(db, kind.columns, this);
    using Accepts = ui::NumberBox::Accepts;
    m_start = new ui::NumberBox(QStringLiteral("ksph"), QStringLiteral("开始票号请输入数字！"), Accepts::WholeNumber, this);
    m_end = new ui::NumberBox(QStringLiteral("jsph"), QStringLiteral("结束票号请输入数字！"), Accepts::WholeNumber, this);
    // A bad number in either box empties both and puts the cursor into the end box.
    for (ui::NumberBox *box : {m_start, m_end})
        box->setRejectAction([this] {
            emptyBoxes();
            m_end->setFocus();
        });

    auto *add = button(this, "add", QStringLiteral("添加"));
    auto *edit = button(this, "edit", QStringLiteral("修改"));
    auto *del = button(this, "del", QStringLiteral("删除"));
    auto *refresh = button(this, "gengxin", QStringLiteral("更新"));

    auto *frame = new QGroupBox(kind.frameTitle, this);
    auto *heading = new QLabel(kind.heading, frame);
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("开始号："), m_start);
    form->addRow(QStringLiteral("结束号："), m_end);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {add, edit, del, refresh})
        buttons->addWidget(b);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(heading);
    frameLayout->addLayout(form);
    frameLayout->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(frame);

    connect(add, &QPushButton::clicked, this, &RangeScreen::addRange);
    connect(edit, &QPushButton::clicked, this, &RangeScreen::editRange);
    connect(del, &QPushButton::clicked, this, &RangeScreen::deleteRange);
    connect(refresh, &QPushButton::clicked, this, [this] {
        if (!ui::guard(this, [this] { m_grid->setQuery(Criteria(m_kind.table)); }))
            return;
        emptyBoxes();
        ui::warning(this, QStringLiteral("更新成功！"));
    });
    connect(m_start, &QLineEdit::returnPressed, m_end, qOverload<>(&QWidget::setFocus));
    connect(m_end, &QLineEdit::returnPressed, this, &RangeScreen::addRange);
    setTabOrder(m_start, m_end);
    resize(620, 460);
    reload();
}

void RangeScreen::reload()
{
    ui::guard(this, [this] { m_grid->setQuery(Criteria(m_kind.table)); });
}

void RangeScreen::refreshList()
{
    ui::guard(this, [this] { m_grid->refresh(); });
}

void RangeScreen::emptyBoxes()
{
    // clear() is the screen's own change: the boxes check only what the user types.
    m_start->clear();
    m_end->clear();
}

void RangeScreen::addRange()
{
    ui::guard(this, [this] {
        refreshList();
        switch (ranges::add(m_db, m_kind, m_start->text(), m_end->text())) {
        case ranges::AddOutcome::Incomplete:
            ui::warning(this, m_kind.incompleteMessage);
            return;
        case ranges::AddOutcome::Overlap:
            refreshList();
            ui::warning(this, m_kind.overlapMessage);
            return;
        case ranges::AddOutcome::StartEmpty:
            ui::warning(this, QStringLiteral("开始号不能为空"));
            emptyBoxes();
            return;
        case ranges::AddOutcome::EndEmpty:
            ui::warning(this, QStringLiteral("结束号不能为空"));
            emptyBoxes();
            return;
        case ranges::AddOutcome::NotAscending:
            ui::warning(this, QStringLiteral("结束的数字必需比开始的大啊，老大！"));
            emptyBoxes();
            return;
        case ranges::AddOutcome::Added:
            ui::notice(this, QStringLiteral("添加卡号成功！请点击更新"));
            if (m_kind.closeAfterAdd) {
                ui::closeScreen(this);
                return;
            }
            reload();
            return;
        }
    });
}

bool RangeScreen::refuseEmptyList()
{
    if (m_grid->rows() > 0)
        return false;
    ui::warning(this, m_kind.emptyListMessage);
    if (m_kind.emptyListCloses)
        ui::closeScreen(this);
    return true;
}

void RangeScreen::editRange()
{
    if (refuseEmptyList())
        return;
    const QSqlRecord row = m_grid->currentRecord();
    ui::hideScreen(this);
    ui::openEditor(m_kind.editScreen, row);
}

void RangeScreen::deleteRange()
{
    if (refuseEmptyList())
        return;
    const QSqlRecord row = m_grid->currentRecord();
    const bool yes = ui::question(this, m_kind.deletePrefix + row.value(QStringLiteral("qsph")).toString()
                                            + QStringLiteral("?") + m_kind.deleteNote);
    if (yes && !ui::guard(this, [&] { ranges::remove(m_db, m_kind, row.value(QStringLiteral("id")).toLongLong()); }))
        return;
    if (yes || m_kind.deleteAlwaysCloses)
        ui::closeScreen(this);
}

} // namespace quorv
