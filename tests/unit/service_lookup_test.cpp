#include "component/service_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "host/component_client.h"
#include "host/playlist_service.h"
#include "standin/host.h"

extern "C" component_client* foobar2000_get_interface(host_api* host, void* module_instance);

namespace {

TEST(ServiceLookup, FindsTheOneInstanceOrRaises) {
    using standin::creation;
    struct row {
        const char* name;
        std::vector<creation> instances;
        const char* failure;  // none when the lookup succeeds
    };
    const row rows[] = {
        {"one instance", {creation::succeeds}, nullptr},
        {"no instance", {}, "Service not found"},
        {"two instances", {creation::succeeds, creation::succeeds}, "Service duplicated"},
        {"creation fails", {creation::fails}, "Bug check"},
        {"creation fails but hands out a reference", {creation::fails_holding_object}, "Bug check"},
    };
    for (const row& r : rows) {
        standin::host host;
        foobar2000_get_interface(&host, nullptr);
        host.clear_services(playlist_service::class_guid);
        for (creation c : r.instances) host.register_service(playlist_service::class_guid, host.playlists(), c);
        try {
            service_ptr_t<playlist_service> found = lookup_service<playlist_service>();
            EXPECT_EQ(r.failure, nullptr) << r.name;
            EXPECT_EQ(found.get(), &host.playlists()) << r.name;
            EXPECT_EQ(host.playlists().references(), 1) << r.name << ": the created reference is adopted";
        } catch (const std::exception& e) {
            ASSERT_NE(r.failure, nullptr) << r.name << " raised " << e.what();
            EXPECT_STREQ(e.what(), r.failure) << r.name;
        }
        EXPECT_EQ(host.imbalances(), "") << r.name;
        foobar2000_get_interface(nullptr, nullptr);
    }
}

}  // namespace
