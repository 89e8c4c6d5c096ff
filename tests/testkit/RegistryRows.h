#pragma once

#include "support/settings/RegistryStore.h"

#include <ostream>

namespace fw {

// A stored registry value, compared and printed whole.
inline bool operator==(const NamedRegistryValue& a, const NamedRegistryValue& b)
{
    return a.name == b.name && a.value == b.value;
}

inline void PrintTo(const NamedRegistryValue& v, std::ostream* os)
{
    *os << v.name.toStdString() << '='
        << (v.value.type == RegistryValue::Type::String ? '"' + v.value.text.toStdString() + '"'
                                                        : "dword " + std::to_string(v.value.number));
}

} // namespace fw
