#pragma once

#include <QComboBox>
#include <QStringList>
#include <QWidget>

// The role box of the account screens.
namespace quorv::admin {

// A role box: pick an item or type any text. Return must not add the typed text to the list.
inline QComboBox *roleBox(QWidget *screen, const QStringList &items)
{
    auto *box = new QComboBox(screen);
    box->setObjectName(QStringLiteral("Combo1"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

inline void clearRole(QComboBox *role)
{
    role->setCurrentIndex(-1);
    role->clearEditText();
}

} // namespace quorv::admin
