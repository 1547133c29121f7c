#pragma once

#include "component/service.h"
#include "host/metadb_handle.h"
#include "pfc/list.h"

// A list of counted service pointers.
template <class T, class Alloc>
class service_list_t : public pfc::list_t<service_ptr_t<T>, Alloc> {};

// A list of counted item handles: one reference per slot, taken when the handle
// enters the list and dropped when it leaves or the list is destroyed.
template <class Alloc>
class metadb_handle_list_t : public service_list_t<metadb_handle, Alloc> {};

using metadb_handle_list = metadb_handle_list_t<pfc::alloc_fast>;
using handle_list_base = pfc::list_base_t<service_ptr_t<metadb_handle>>;
