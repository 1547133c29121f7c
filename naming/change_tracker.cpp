#include "naming/change_tracker.h"

void tallymere::on_items_added(uint32_t, uint32_t, const handle_list_const&, const selection_mask&) {}

void tallymere::on_items_removed(uint32_t, const selection_mask&, uint32_t, uint32_t) {}

void tallymere::on_items_modified(uint32_t, const selection_mask&) {}

void tallymere::on_items_replaced(uint32_t, const selection_mask&, const pfc::list_base_const_t<item_replacement>&) {}

void tallymere::on_playlist_created(uint32_t, const char*, uint32_t) {}
