#include <gtest/gtest.h>

#include "component/service_impl.h"
#include "host/main_thread.h"
#include "host/mainmenu.h"
#include "standin/host_object.h"

namespace {

// A host object that counts its references.
class watched final : public standin::host_object<main_thread_queue> {
public:
    void add_callback(service_ptr_t<main_thread_callback>) override {}
};

TEST(ServicePtr, CopyAddsAReferenceAndDestructionReleasesIt) {
    watched object;
    {
        service_ptr_t<main_thread_queue> first(&object);
        EXPECT_EQ(object.references(), 1);
        service_ptr_t<main_thread_queue> second = first;
        EXPECT_EQ(object.references(), 2);
        service_ptr_t<main_thread_queue> third;
        third = second;
        EXPECT_EQ(object.references(), 3);
    }
    EXPECT_EQ(object.references(), 0);
}

TEST(ServicePtr, SelfAssignmentKeepsTheObject) {
    watched object;
    service_ptr_t<main_thread_queue> only(&object);
    service_ptr_t<main_thread_queue>& alias = only;
    only = alias;
    EXPECT_EQ(object.references(), 1);
    EXPECT_EQ(object.release_calls(), 1u) << "the new reference is added before the old is released";
}

TEST(ServicePtr, SwapAdoptAndDetachChangeNoCount) {
    watched a, b;
    service_ptr_t<main_thread_queue> pa(&a), pb(&b);
    pa.swap(pb);
    EXPECT_EQ(pa.get(), &b);
    EXPECT_EQ(pb.get(), &a);
    main_thread_queue* raw = pa.detach();
    EXPECT_EQ(pa.get(), nullptr);
    pb.adopt(raw);  // releases a, takes over b's reference
    EXPECT_EQ(a.references(), 0);
    EXPECT_EQ(b.references(), 1);
    EXPECT_EQ(b.add_ref_calls(), 1u);
}

struct task_body : main_thread_callback {
    explicit task_body(bool& destroyed) : m_destroyed(destroyed) {}
    ~task_body() { m_destroyed = true; }
    void callback_run() override {}
    bool& m_destroyed;
};

TEST(ServiceImpl, HeapObjectLivesUntilItsLastReference) {
    bool destroyed = false;
    auto* task = new service_impl_t<task_body>(destroyed);
    EXPECT_EQ(task->service_add_ref(), 1);
    EXPECT_EQ(task->service_add_ref(), 2);
    EXPECT_EQ(task->service_release(), 1);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(task->service_release(), 0);
    EXPECT_TRUE(destroyed);
}

struct popup_body : mainmenu_group_popup {
    GUID get_guid() override { return null_guid; }
    GUID get_parent() override { return null_guid; }
    uint32_t get_sort_priority() override { return 0; }
    void get_display_string(string_base&) override {}
};

TEST(ServiceImpl, SingletonCountsNothingAndAnswersItsClassesOnly) {
    service_impl_single_t<popup_body> popup;
    EXPECT_EQ(popup.service_add_ref(), 1);
    EXPECT_EQ(popup.service_release(), 1);
    EXPECT_EQ(popup.service_release(), 1);

    struct row {
        GUID requested;
        bool answered;
    };
    const row rows[] = {
        {mainmenu_group_popup::class_guid, true},
        {mainmenu_group::class_guid, true},
        {mainmenu_commands::class_guid, false},
        {null_guid, false},
    };
    for (const row& r : rows) {
        watched marker;
        service_ptr_t<service_base> out;
        out.reset(&marker);
        EXPECT_EQ(popup.service_query(out, r.requested), r.answered);
        if (r.answered) {
            EXPECT_EQ(out.get(), static_cast<service_base*>(&popup));
        } else {
            EXPECT_EQ(out.get(), &marker) << "a refused query leaves the out pointer untouched";
        }
    }
}

}  // namespace
