#include "capture/Sch2ScptTextFile.h"

#include "hostkit/EInOutError.h"
#include "platform/Files.h"

#include <cerrno>
#include <cstring>

namespace snapscribe {

namespace {

// Lines are gathered and handed to the system in blocks of this size: a script has millions of short lines.
constexpr std::size_t BufferSize = 1 << 20;

[[noreturn]] void RaiseInOutError(const char* operation, const std::string& path) {
    const int error = errno;
    std::string message = "Cannot ";
    message += operation;
    message += " \"" + path + "\"";
    if (error != 0) {
        message += ": ";
        message += std::strerror(error);
    }
    message += '.';
    throw hostkit::EInOutError(message, error);
}

} // namespace

TTextFileWriter::TTextFileWriter(const std::string& path) : path_(path) {
    errno = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr)
        RaiseInOutError("create", path_);
    pending_.reserve(BufferSize);
}

TTextFileWriter::~TTextFileWriter() {
    if (file_ != nullptr)
        std::fclose(file_);
}

void TTextFileWriter::Write(std::string_view text) {
    if (pending_.size() + text.size() > BufferSize)
        Drain();
    if (text.size() >= BufferSize)
        WriteThrough(text);
    else
        pending_ += text;
}

void TTextFileWriter::WriteThrough(std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        RaiseInOutError("write", path_);
}

void TTextFileWriter::Drain() {
    WriteThrough(pending_);
    pending_.clear();
}

void TTextFileWriter::WriteLine(std::string_view line) {
    Write(line);
    Write("\r\n");
}

void TTextFileWriter::Flush() {
    Drain();
    errno = 0;
    if (std::fflush(file_) != 0)
        RaiseInOutError("write", path_);
}

void TTextFileWriter::Close() {
    if (file_ == nullptr)
        return;
    Drain();
    errno = 0;
    const bool flushed = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed)
        RaiseInOutError("close", path_);
}

TTextFileReader::TTextFileReader(const std::string& path) : path_(path), buffer_(new char[BufferSize]) {
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr)
        RaiseInOutError("open", path_);
}

TTextFileReader::~TTextFileReader() {
    std::fclose(file_);
}

bool TTextFileReader::Refill() {
    errno = 0;
    end_ = std::fread(buffer_.get(), 1, BufferSize, file_);
    begin_ = 0;
    if (std::ferror(file_))
        RaiseInOutError("read", path_);
    return end_ > 0;
}

bool TTextFileReader::ReadLine(std::string& line) {
    line.clear();
    bool any = false;
    while (begin_ < end_ || Refill()) {
        any = true;
        const char* start = buffer_.get() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        if (newline == nullptr) {
            line.append(start, end_ - begin_);
            begin_ = end_;
            continue;
        }
        line.append(start, static_cast<std::size_t>(newline - start));
        begin_ += static_cast<std::size_t>(newline - start) + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return any;
}

std::string_view TTextFileReader::ReadBlock() {
    if (begin_ == end_ && !Refill())
        return {};
    const std::string_view block(buffer_.get() + begin_, end_ - begin_);
    begin_ = end_;
    return block;
}

TTemporaryFile::~TTemporaryFile() {
    if (!path_.empty())
        platform::DeleteFileAt(path_);
}

void TTemporaryFile::Remove() {
    errno = 0;
    if (!path_.empty() && !platform::DeleteFileAt(path_))
        RaiseInOutError("delete", path_);
}

} // namespace snapscribe
