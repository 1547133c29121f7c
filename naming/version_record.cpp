#include "naming/version_record.h"

#include "component/module.h"
#include "pfc/empty_text.h"

// Writes text to the host's buffer, or the empty text when there is none.
static void assign_or_empty(string_base& out, const char* text) {
    out.assign_text(text != nullptr ? text : pfc::empty_text, whole_text);
}

void componentversion_impl_simple::get_file_name(string_base& out) { assign_or_empty(out, module_file_name()); }

void componentversion_impl_simple::get_component_name(string_base& out) { assign_or_empty(out, m_name); }

void componentversion_impl_simple::get_component_version(string_base& out) { assign_or_empty(out, m_version); }

void componentversion_impl_simple::get_about_message(string_base& out) { assign_or_empty(out, m_about); }
