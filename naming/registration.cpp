// The five published services, registered at load in this order; each factory links
// itself in at the head, so the host reads them in reverse: version record, menu
// commands, menu group, notification receiver, start-up hook. They live in one file
// because only within one file is the order of static construction fixed.
#include "component/factories.h"
#include "naming/change_tracker.h"
#include "naming/menu.h"
#include "naming/startup.h"
#include "naming/version_record.h"

namespace {

constexpr const char about_text[] =
    "Appends automatically playlist info (\"items / length\") to all playlist names.\n"
    "\n"
    "Each time a playlist is modified, it checks if the playlist name matches \"<name> [<info>]\".\n"
    "If it does, it replaces the <info> part with the new info.\n"
    "If it doesn't, it appends \" [<info>]\".\n"
    "\n"
    "NOTE: it only checks for left and right bracket, so be careful if you have "
    "\"[<something_other_than_info>]\" at the end...\n"
    "\n"
    "2 menu items are available:\n"
    "Edit -> Tallymere -> Show total items (default is checked)\n"
    "Edit -> Tallymere -> Restore names (if you click it by mistake, just restart foobar2000)\n"
    "\n"
    "v1.2 (30 May 2006)";

initquit_factory_t<foo_initquit> g_initquit_factory;
service_factory_single_t<tallymere> g_tallymere_factory;
mainmenu_commands_factory_t<foo_mainmenu_group_popup> g_menu_group_factory;
mainmenu_commands_factory_t<foo_mainmenu_commands> g_menu_commands_factory;
componentversion_impl_simple_factory g_version_factory("Tallymere", "1.2", about_text);

}  // namespace
