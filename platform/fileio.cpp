#include "platform/fileio.h"

#include "platform/exceptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

std::string readFileBytes(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw EInOutError("Cannot open file \"" + path + "\": " + std::strerror(errno));
    std::string data;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        throw EInOutError("Cannot read file \"" + path + "\"");
    return data;
}

void writeFileAtomic(const std::string& path, const std::string& bytes, bool durable)
{
    std::string tmp = path + ".tmp~";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw EInOutError("Cannot create file \"" + tmp + "\": " + std::strerror(errno));
    const char* p = bytes.data();
    size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    int err = errno;
    if (ok && durable && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
        if (ok)
            err = errno;
        ::unlink(tmp.c_str());
        throw EInOutError("Cannot write file \"" + path + "\": " + std::strerror(err));
    }
}
