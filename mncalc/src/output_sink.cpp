#include "output_sink.hpp"

#include <cerrno>
#include <cstring>
#include <string>

#include <unistd.h>

namespace mncalc {

void OutputSink::write(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd_, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw OutputError(std::string("cannot write the output: ") + std::strerror(errno));
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace mncalc
