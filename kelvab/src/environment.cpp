#include "kelvab/kelvab.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kelvab {

int32_t environment_lookup(const char* name, int32_t name_length, char* value, int32_t capacity) {
    if (capacity > 0) {
        std::memset(value, ' ', static_cast<std::size_t>(capacity));
    }
    std::string key(name, static_cast<std::size_t>(std::max<int32_t>(name_length, 0)));
    while (!key.empty() && key.back() == ' ') {
        key.pop_back();
    }
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const char* found = key.empty() ? nullptr : std::getenv(key.c_str());
    if (found == nullptr) {
        return 0;
    }
    const std::size_t length = std::strlen(found);
    const std::size_t copied = std::min(length, static_cast<std::size_t>(std::max(capacity, 0)));
    std::memcpy(value, found, copied);
    return static_cast<int32_t>(std::min<std::size_t>(length, INT32_MAX));
}

} // namespace kelvab
