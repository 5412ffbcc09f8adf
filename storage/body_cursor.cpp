#include "storage/body_cursor.h"

#include "storage/tree_file_format.h"
#include "system/exceptions.h"
#include "system/fileio.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
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

// The bytes [from, to) raised back by one: one pass the compiler runs many bytes a step.
void unshift(char* from, char* to)
{
    for (auto* p = reinterpret_cast<unsigned char*>(from); p != reinterpret_cast<unsigned char*>(to); ++p)
        *p = static_cast<unsigned char>(*p - 1);
}

} // namespace

void BodyCursor::lookForZeroedRun(size_t from)
{
    // A run of zero bytes in the file (0xFF once decoded) is what a crash leaves of a block
    // that was never written; the writer never puts more than `longestFFRun` in a row.
    if (zeroedRunAt < size_)
        return;
    const char* p = window_.get() + (from - base_);
    const char* end = window_.get() + filled_;
    while ((p = static_cast<const char*>(std::memchr(p, '\xFF', size_t(end - p))))) {
        const size_t at = placeOf(p);
        const char* q = p;
        while (q != end && *q == '\xFF')
            ++q;
        // A run that reaches the end of what is read in goes on in the next piece.
        const size_t run = size_t(q - p) + (at == runStart_ + runLength_ ? runLength_ : 0);
        if (run > longestFFRun) {
            zeroedRunAt = at == runStart_ + runLength_ ? runStart_ : at;
            return;
        }
        if (q == end) {
            runStart_ = at == runStart_ + runLength_ ? runStart_ : at;
            runLength_ = run;
            return;
        }
        p = q;
    }
}

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
        strayNul = other.strayNul;
        lines = other.lines;
        zeroedRunAt = other.zeroedRunAt;
        runStart_ = other.runStart_;
        runLength_ = other.runLength_;
        fd_ = std::exchange(other.fd_, -1);
        fileName_ = std::move(other.fileName_);
        size_ = other.size_;
        window_ = std::move(other.window_);
        capacity_ = std::exchange(other.capacity_, 0);
        filled_ = std::exchange(other.filled_, 0);
        base_ = other.base_;
        lastStart_ = other.lastStart_;
        lastLength_ = other.lastLength_;
        lastCopied_ = other.lastCopied_;
        lastCopy_ = std::move(other.lastCopy_);
    }
    return *this;
}

BodyCursor::~BodyCursor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void BodyCursor::makeRoom(size_t more)
{
    if (capacity_ - filled_ >= more)
        return;
    const size_t capacity = std::max(capacity_ * 2, filled_ + more);
    std::unique_ptr<char[]> bigger(new char[capacity]);
    if (filled_)
        std::memcpy(bigger.get(), window_.get(), filled_);
    window_ = std::move(bigger);
    capacity_ = capacity;
}

void BodyCursor::drop(size_t count)
{
    // The last line that was not empty goes with the bytes it stands in: it is kept first.
    if (!lastCopied_ && lastStart_ < base_ + count) {
        lastCopy_.assign(at(lastStart_), lastLength_);
        lastCopied_ = true;
    }
    if (filled_ > count)
        std::memmove(window_.get(), window_.get() + count, filled_ - count);
    filled_ -= count;
    base_ += count;
}

bool BodyCursor::readOn(size_t place, size_t keepFrom)
{
    while (place >= windowEnd()) {
        if (place >= size_ || fd_ < 0)
            return false;
        drop(std::min(keepFrom - base_, filled_));
        const size_t kept = filled_;
        readPiece();
        unshift(window_.get() + kept, window_.get() + filled_);
        lookForZeroedRun(base_ + kept);
    }
    return true;
}

void BodyCursor::readPiece()
{
    const size_t want = std::min(pieceSize, size_ - windowEnd());
    makeRoom(want);
    const size_t got = readUpTo(fd_, window_.get() + filled_, want, fileName_);
    filled_ += got;
    if (got < want)
        size_ = windowEnd(); // the file became shorter meanwhile
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
        const std::string bytes = readFileBytes(fileName);
        c.makeRoom(bytes.size());
        if (!bytes.empty())
            std::memcpy(c.window_.get(), bytes.data(), bytes.size());
        c.filled_ = bytes.size();
        c.size_ = bytes.size();
    } else {
        c.size_ = static_cast<size_t>(info.st_size);
    }
    // The four header lines, read as they stand.
    size_t start = 0;
    for (int line = 0; line < 4; ++line) {
        const char* lf;
        while (!(lf = static_cast<const char*>(
                     start < c.filled_ ? std::memchr(c.window_.get() + start, '\n', c.filled_ - start)
                                       : nullptr))) {
            if (c.fd_ < 0 || c.filled_ >= c.size_)
                throw EDamagedTreeFile("No body in " + fileName);
            c.readPiece();
        }
        start = static_cast<size_t>(lf - c.window_.get()) + 1;
    }
    c.drop(start);
    c.base_ = 0;
    c.size_ -= start;
    unshift(c.window_.get(), c.window_.get() + c.filled_);
    c.lookForZeroedRun(0);
    return c;
}

std::string_view readRawBodyLineSlowly(BodyCursor& c)
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
    // The line ends at its first NUL or CR; one that has none stops at the byte before the
    // last, which it does not keep either (the line's end stands where its end would be).
    const size_t last = start < end ? end - 1 : start;
    size_t stop = start;
    for (;;) {
        if (!c.reach(stop, start))
            return cutShort();
        const size_t to = std::min(c.windowEnd(), last + 1);
        stop = c.placeOf(bodyLineEnd(c.at(stop), c.at(to)));
        if (stop < to)
            break;
        if (to == last + 1) {
            stop = last;
            break;
        }
    }
    const size_t length = stop - start;
    ++c.lines;
    if (stop == last && !(c.byteAt(stop) == '\r' || c.byteAt(stop) == '\0')) {
        c.lineEndedByCr = false;
        c.position = c.size_; // the body's last bytes, the file's own line end
    } else {
        c.lineEndedByCr = c.byteAt(stop) == '\r';
        c.strayNul = c.strayNul || c.byteAt(stop) == '\0';
        // A CR alone ends a line as CR LF does: a body whose line ends lost their LF reads
        // whole rather than losing the first letter of every line.
        c.position = stop + 1;
        if (c.lineEndedByCr && c.position <= end && c.reach(c.position, start) &&
            c.byteAt(c.position) == '\n')
            ++c.position;
    }
    if (length) {
        c.lastStart_ = start;
        c.lastLength_ = length;
        c.lastCopied_ = false;
    }
    return std::string_view(c.at(start), length);
}
