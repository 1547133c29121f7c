#include "host/componentversion.h"
#include "host/initquit.h"
#include "host/mainmenu.h"
#include "host/playlist_callback.h"
#include "tests/support/loaded_component.h"

namespace {

using ClientTest = loaded_component;

TEST_F(ClientTest, AnswersItsVersionAndIsNoDebugBuild) {
    EXPECT_EQ(client.client_version(), 71u);
    EXPECT_FALSE(client.is_debug_build());
    client.set_services_state(true);
    EXPECT_FALSE(client.is_debug_build());
}

TEST_F(ClientTest, EntryFunctionAnswersTheSameClientEachTime) {
    standin::host other;
    EXPECT_EQ(&library.connect(other), &client);
    library.connect(host);
}

TEST_F(ClientTest, FactoryListReadsInReverseOrderOfRegistration) {
    const GUID expected[] = {componentversion::class_guid, mainmenu_commands::class_guid, mainmenu_group::class_guid,
                             playlist_callback_static::class_guid, initquit::class_guid};
    service_factory_base* record = client.first_factory();
    for (const GUID& guid : expected) {
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->class_guid, guid);
        record = record->next;
    }
    EXPECT_EQ(record, nullptr) << "the last link is empty";
}

// A host reads the record's fields directly: the table, then the next record at one
// pointer's distance, then the address of the class GUID at two.
TEST_F(ClientTest, FactoryRecordFieldsSitWhereAHostReadsThem) {
    for (service_factory_base* record = client.first_factory(); record != nullptr; record = record->next) {
        void* const* words = reinterpret_cast<void* const*>(record);
        EXPECT_EQ(words[1], static_cast<void*>(record->next));
        EXPECT_EQ(words[2], static_cast<const void*>(&record->class_guid));
    }
}

TEST_F(ClientTest, VersionRecordWritesTheModuleFileNameOnceSet) {
    auto version = service<componentversion>(componentversion::class_guid);
    struct step {
        const char* full_path;  // none: no set module path call before reading
        const char* file_name;
        const char* expected;
    };
    const step steps[] = {
        {nullptr, nullptr, ""},
        {"/opt/player/components/foo_tallymere.so", "foo_tallymere.so", "foo_tallymere.so"},
        {"/second/foo_tallymere.so", "renamed.so", "renamed.so"},
        {"/third", "", ""},
    };
    for (const step& s : steps) {
        if (s.full_path != nullptr) client.set_module_path(s.full_path, s.file_name);
        standin::text_buffer out("stale");
        version->get_file_name(out);
        EXPECT_EQ(out.str(), s.expected);
        EXPECT_EQ(out.assign_calls(), 1);
    }
}

}  // namespace
