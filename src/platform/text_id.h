#pragma once
#include "resource_ids.h"

namespace zv::platform {

// User-interface texts live in the resource script as Unicode; the core names them by id
// and each shell loads them (Win32 from the resources, other shells from the same script).
enum class TextId : unsigned { PasswordsNotSupported = IDS_PASSWORDS_NOT_SUPPORTED };

}  // namespace zv::platform
