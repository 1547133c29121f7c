#pragma once

#include "component/service.h"
#include "pfc/list_base.h"

// An item's information record, owned by the host.
class item_info {
public:
    // Slot 1: the item's length in seconds.
    virtual double get_length() const = 0;

protected:
    ~item_info() = default;
};

// The host's handle to one playlist item. Reference counted; created only by the host,
// so it has no class GUID the component looks up.
class metadb_handle : public service_base {
public:
    // Slot 4: takes the host's database lock.
    virtual void database_lock() = 0;
    // Slot 5: releases it.
    virtual void database_unlock() = 0;
    // Slot 6: true with the item's record, valid until the unlock; false when the host
    // has none.
    virtual bool get_info_if_available(const item_info*& out) = 0;

protected:
    ~metadb_handle() = default;
};

// A read-only list of counted handles, as the host hands new items to notifications.
using handle_list_const = pfc::list_base_const_t<service_ptr_t<metadb_handle>>;
