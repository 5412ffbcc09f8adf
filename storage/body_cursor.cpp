#include "storage/body_cursor.h"

#include "storage/tree_file_format.h"
#include "system/exceptions.h"
#include "system/fileio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Read a mebibyte at a time: the same pages serve the whole file.
constexpr size_t pieceSize = size_t(1) << 20;

// Reads up to `count` bytes at `into`; fewer only at the file's end.
size_t readUpTo(int fd, char* into, size_t count, const std::string& fileName)
{
    size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, into + got, count - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw EInOutError("Cannot read file \"" + fileName + "\"");
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return got;
}

} // namespace

BodyCursor::BodyCursor(BodyCursor&& other) noexcept
{
    *this = std::move(other);
}

BodyCursor& BodyCursor::operator=(BodyCursor&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        position = other.position;
        overrun = other.overrun;
        lineEndedByCr = other.lineEndedByCr;
        fd_ = std::exchange(other.fd_, -1);
        fileName_ = std::move(other.fileName_);
        size_ = other.size_;
        window_ = std::move(other.window_);
        base_ = other.base_;
    }
    return *this;
}

BodyCursor::~BodyCursor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool BodyCursor::readOn(size_t at, size_t keepFrom)
{
    while (at >= base_ + window_.size()) {
        if (at >= size_ || fd_ < 0)
            return false;
        const size_t drop = std::min(keepFrom - base_, window_.size());
        window_.erase(0, drop);
        base_ += drop;
        const size_t kept = window_.size();
        readPiece();
        for (size_t i = kept; i < window_.size(); ++i)
            window_[i] = static_cast<char>(static_cast<unsigned char>(window_[i]) - 1);
    }
    return true;
}

void BodyCursor::readPiece()
{
    const size_t kept = window_.size();
    const size_t want = std::min(pieceSize, size_ - (base_ + kept));
    window_.resize(kept + want);
    const size_t got = readUpTo(fd_, window_.data() + kept, want, fileName_);
    window_.resize(kept + got);
    if (got < want)
        size_ = base_ + kept + got; // the file became shorter meanwhile
}

BodyCursor readSavedState(const std::string& fileName)
{
    BodyCursor c;
    c.fd_ = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (c.fd_ < 0)
        throw EInOutError("Cannot open file \"" + fileName + "\": " + std::strerror(errno));
    c.fileName_ = fileName;
    struct stat info;
    if (::fstat(c.fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        // Not a plain file: read whole as before.
        ::close(std::exchange(c.fd_, -1));
        std::string bytes = readFileBytes(fileName);
        c.window_ = std::move(bytes);
        c.size_ = c.window_.size();
    } else {
        c.size_ = static_cast<size_t>(info.st_size);
    }
    // The four header lines, read as they stand.
    size_t start = 0;
    for (int line = 0; line < 4; ++line) {
        size_t lf;
        while ((lf = c.window_.find('\n', start)) == std::string::npos) {
            if (c.fd_ < 0 || c.window_.size() >= c.size_)
                throw EDamagedTreeFile("No body in " + fileName);
            c.readPiece();
        }
        start = lf + 1;
    }
    c.window_.erase(0, start);
    c.size_ -= start;
    unshiftBody(c.window_);
    return c;
}

std::string_view readRawBodyLine(BodyCursor& c)
{
    if (!c.more()) {
        c.overrun = true;
        return {};
    }
    // The last byte (the file's own line end, decoded) never joins a line.
    const size_t end = c.size_ - 1;
    const size_t start = c.position;
    // A file cut shorter while it is read ends like a file cut short.
    auto cutShort = [&c] {
        c.overrun = true;
        c.position = c.size_;
        return std::string_view();
    };
    if (!c.reach(start, start))
        return cutShort();
    char b = c.byteAt(c.position++);
    while (c.position < end && b != '\0' && b != '\r') {
        if (!c.reach(c.position, start))
            return cutShort();
        b = c.byteAt(c.position++);
    }
    c.lineEndedByCr = b == '\r';
    const size_t length = c.position - 1 - start;
    ++c.position; // the LF after the CR
    while (c.position <= end && c.reach(c.position, start) && c.byteAt(c.position) == '\0')
        ++c.position;
    return std::string_view(c.window_.data() + (start - c.base_), length);
}
