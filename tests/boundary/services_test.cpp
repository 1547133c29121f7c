#include <algorithm>

#include "host/componentversion.h"
#include "host/initquit.h"
#include "host/main_thread.h"
#include "host/mainmenu.h"
#include "host/playlist_callback.h"
#include "host/playlist_service.h"
#include "tests/support/loaded_component.h"

namespace {

using PublishedServices = loaded_component;

const GUID every_class[] = {
    componentversion::class_guid,         initquit::class_guid,
    playlist_callback_static::class_guid, main_thread_callback::class_guid,
    mainmenu_group_popup::class_guid,     mainmenu_group::class_guid,
    mainmenu_commands::class_guid,        playlist_service::class_guid,
    main_thread_queue::class_guid,        null_guid,
};

// Each published record, by the class it is published under, and the classes its
// service answers to.
struct published {
    const char* name;
    GUID published_under;
    std::vector<GUID> answers;
};

const published services[] = {
    {"start-up hook", initquit::class_guid, {initquit::class_guid}},
    {"notification receiver", playlist_callback_static::class_guid, {playlist_callback_static::class_guid}},
    {"menu group", mainmenu_group::class_guid, {mainmenu_group_popup::class_guid, mainmenu_group::class_guid}},
    {"menu commands", mainmenu_commands::class_guid, {mainmenu_commands::class_guid}},
    {"version record", componentversion::class_guid, {componentversion::class_guid}},
};

TEST_F(PublishedServices, AnswerExactlyTheirOwnClasses) {
    for (const published& p : services) {
        auto object = service<service_base>(p.published_under);
        ASSERT_TRUE(object) << p.name;
        for (const GUID& requested : every_class) {
            const bool expected = std::find(p.answers.begin(), p.answers.end(), requested) != p.answers.end();
            standin::task_queue marker;
            service_ptr_t<service_base> out(&marker);
            EXPECT_EQ(object->service_query(out, requested), expected) << p.name;
            if (expected) {
                EXPECT_EQ(out.get(), object.get()) << p.name;
            } else {
                EXPECT_EQ(out.get(), &marker) << p.name << ": a refused query leaves the out pointer";
            }
        }
    }
}

TEST_F(PublishedServices, AreSingletonsThatCountNothing) {
    for (const published& p : services) {
        service_ptr_t<service_base> first, second;
        factory_for(p.published_under)->instance_create(first);
        factory_for(p.published_under)->instance_create(second);
        EXPECT_EQ(first.get(), second.get()) << p.name << ": creating hands out the embedded object";
        EXPECT_EQ(first->service_add_ref(), 1) << p.name;
        EXPECT_EQ(first->service_release(), 1) << p.name;
        EXPECT_EQ(first->service_release(), 1) << p.name;
    }
}

TEST_F(PublishedServices, VersionRecordIsCarriedByItsFactoryRecord) {
    service_factory_base* record = factory_for(componentversion::class_guid);
    auto version = service<componentversion>(componentversion::class_guid);
    const auto* start = reinterpret_cast<const char*>(record);
    const auto* object = reinterpret_cast<const char*>(version.get());
    EXPECT_GT(object, start);
    EXPECT_LT(object - start, 64) << "the object follows the record's fields in the same static";
}

TEST_F(PublishedServices, NotificationTableFollowsTheServiceTable) {
    auto receiver = service<playlist_callback_static>(playlist_callback_static::class_guid);
    EXPECT_EQ(receiver->get_flags(), 0x949u);
    const auto* object = reinterpret_cast<const char*>(receiver.get());
    const auto* notifications = reinterpret_cast<const char*>(static_cast<playlist_callback*>(receiver.get()));
    EXPECT_EQ(notifications - object, static_cast<std::ptrdiff_t>(sizeof(void*)))
        << "the second table pointer comes right after the first";
}

}  // namespace
