#include "formats/CodecOutputFilter.h"

#include <array>
#include <cstdio>
#include <string_view>

#include <fcntl.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define TESSELLON_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define TESSELLON_SANITIZED 1
#endif
#endif

namespace tessellon {

namespace {

    constexpr std::array codecPrefixes { std::string_view("libpng error: "),
        std::string_view("libpng warning: "), std::string_view("qt.gui.imageio: ") };

    bool isCodecLine(std::string_view line)
    {
        for (std::string_view prefix : codecPrefixes) {
            if (line.starts_with(prefix)) {
                return true;
            }
        }
        return false;
    }

    void writeAll(int descriptor, std::string_view text)
    {
        while (!text.empty()) {
            const ssize_t written = ::write(descriptor, text.data(), text.size());
            if (written <= 0) {
                return;
            }
            text.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    // Passes on the lines held in the file, but for the codecs' own.
    void passOn(std::FILE* held, int descriptor)
    {
        std::rewind(held);
        std::array<char, 4096> buffer {};
        bool startOfLine = true;
        bool dropping = false;
        while (std::fgets(buffer.data(), buffer.size(), held)) {
            const std::string_view piece(buffer.data());
            if (startOfLine) {
                dropping = isCodecLine(piece);
            }
            if (!dropping) {
                writeAll(descriptor, piece);
            }
            startOfLine = piece.ends_with('\n');
        }
    }

} // namespace

CodecOutputFilter::CodecOutputFilter()
{
#ifndef TESSELLON_SANITIZED
    std::fflush(stderr);
    std::FILE* held = std::tmpfile();
    if (!held) {
        return;
    }
    m_held = ::fcntl(fileno(held), F_DUPFD_CLOEXEC, 0);
    std::fclose(held);
    m_standardError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (m_held < 0 || m_standardError < 0 || ::dup2(m_held, STDERR_FILENO) < 0) {
        if (m_standardError >= 0) {
            ::close(m_standardError);
        }
        m_standardError = -1;
    }
#endif
}

CodecOutputFilter::~CodecOutputFilter()
{
    if (m_standardError >= 0) {
        std::fflush(stderr);
        ::dup2(m_standardError, STDERR_FILENO);
        ::close(m_standardError);
        if (std::FILE* held = ::fdopen(m_held, "r")) {
            passOn(held, STDERR_FILENO);
            std::fclose(held);
            return;
        }
    }
    if (m_held >= 0) {
        ::close(m_held);
    }
}

} // namespace tessellon
