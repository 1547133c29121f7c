#include <gtest/gtest.h>

#include "component/module.h"
#include "pfc/empty_text.h"
#include "standin/host.h"

namespace {

// The host's answers are the opposite of the fallbacks, so a row shows which one the
// state gave.
TEST(ModuleState, AsksTheHostOnlyWhileServicesAreAvailable) {
    struct row {
        const char* name;
        std::vector<bool> states;  // set services state calls, in order
        bool main_thread;
        bool initializing;
        bool host_asked;
    };
    const row rows[] = {
        {"never available", {}, true, true, false},
        {"never available, withdrawn", {false}, true, true, false},
        {"available", {true}, false, false, true},
        {"withdrawn after available", {true, false}, true, false, false},
        {"available again", {true, false, true}, false, false, true},
    };
    for (const row& r : rows) {
        standin::host host;
        host.set_main_thread(false);
        host.set_initializing(false);
        module_state state;
        state.connect(&host, nullptr);
        for (bool available : r.states) state.set_services_state(available);
        EXPECT_EQ(state.is_main_thread(), r.main_thread) << r.name;
        EXPECT_EQ(state.is_initializing(), r.initializing) << r.name;
        EXPECT_EQ(host.main_thread_queries() + host.initializing_queries() > 0, r.host_asked) << r.name;
    }
}

TEST(ModuleState, WithoutAHostAnswersTheFallbacks) {
    module_state state;
    state.set_services_state(true);
    EXPECT_TRUE(state.is_main_thread());
    EXPECT_FALSE(state.is_initializing());
}

TEST(ModuleState, FileNameIsTheEmptyTextUntilSet) {
    module_state state;
    EXPECT_EQ(state.file_name(), pfc::empty_text);
    state.set_module_path("/opt/player/components/foo_tallymere.so", "foo_tallymere.so");
    EXPECT_STREQ(state.file_name(), "foo_tallymere.so");
    state.set_module_path("/elsewhere", "");
    EXPECT_EQ(state.file_name(), pfc::empty_text) << "an empty file name reads as the empty text";
}

}  // namespace
