#include "app/Screens.h"

#include "admin/AddUserScreen.h"
#include "admin/EditUserScreen.h"
#include "admin/PasswordScreen.h"
#include "admin/UserListScreen.h"
#include "admin/RangeEditScreen.h"
#include "admin/RangeKinds.h"
#include "admin/RangeScreen.h"
#include "app/HowToScreen.h"
#include "bookings/CardBookingScreen.h"
#include "bookings/CardBookingsWindow.h"
#include "bookings/CardPromptScreen.h"
#include "bookings/WalkInScreen.h"
#include "cards/CardIssueScreen.h"
#include "cards/CardKinds.h"
#include "data/Db.h"
#include "licences/LicenceEntryScreen.h"
#include "notebooks/WelcomeScreen.h"
#include "receipts/ReceiptEntryScreen.h"
#include "reference/ReferenceEditScreen.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceScreen.h"
#include "ui/ScreenHost.h"

namespace quorv {

void registerScreens()
{
    using ui::Placement;
    using ui::ScreenCatalog;
    ScreenCatalog::add({QStringLiteral("huanying"), Placement::Child, [] { return new WelcomeScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("如何使用"), Placement::Child, [] { return new HowToScreen; }});
    ScreenCatalog::add({QStringLiteral("rjbb"), Placement::TopLevel, [] { return new VersionWindow; }});
    ScreenCatalog::add({QStringLiteral("gybrjian"), Placement::Child, [] { return new AboutScreen; }});
    ScreenCatalog::add({QStringLiteral("yonghuguanli"), Placement::Child, [] { return new UserListScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("add_admin"), Placement::Child, [] { return new AddUserScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("yhxg"), Placement::Child, [] { return new EditUserScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("mima"), Placement::Child, [] { return new PasswordScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("add_piaoju"), Placement::Child, [] { return new ReceiptEntryScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("add_zhengjian"), Placement::Child, [] { return new LicenceEntryScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("kaleiyc"), Placement::Child, [] { return new CardPromptScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("youkayc"), Placement::Child, [] { return new CardBookingScreen(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("lcxx"), Placement::TopLevel, [] { return new CardBookingsWindow(Db::main()); }});
    ScreenCatalog::add({QStringLiteral("linshiyc"), Placement::Child, [] { return new WalkInScreen(Db::main()); }});
    for (const CardKind *kind : {&timedCards(), &passGuaranteeCards()})
        ScreenCatalog::add({kind->screen, Placement::Child, [kind] { return new CardIssueScreen(*kind, Db::main()); }});
    for (const ReferenceKind *kind : {&vehicleModels(), &coaches(), &certificateTypes()}) {
        ScreenCatalog::add({kind->listScreen, Placement::Child, [kind] { return new ReferenceScreen(*kind, Db::main()); }});
        ScreenCatalog::add({kind->editScreen, Placement::Child, [kind] { return new ReferenceEditScreen(*kind, Db::main()); }});
    }
    for (const RangeKind *kind : {&receiptRanges(), &cardRanges()}) {
        ScreenCatalog::add({kind->listScreen, Placement::Child, [kind] { return new RangeScreen(*kind, Db::main()); }});
        ScreenCatalog::add({kind->editScreen, Placement::Child, [kind] { return new RangeEditScreen(*kind, Db::main()); }});
    }
}

} // namespace quorv
