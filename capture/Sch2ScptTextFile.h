// The files of the script generator: the script, the temporary circuit-code file and the template. Every failing
// operation raises the runtime's input/output error (hostkit::EInOutError), which ends the generation.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace snapscribe {

// A text file created (or truncated) for writing, with CR LF line ends.
class TTextFileWriter {
public:
    explicit TTextFileWriter(const std::string& path);
    ~TTextFileWriter();
    TTextFileWriter(const TTextFileWriter&) = delete;
    TTextFileWriter& operator=(const TTextFileWriter&) = delete;

    void Write(std::string_view text);
    void WriteLine(std::string_view line);
    void Flush();
    // Flushes and closes; a failure to do either raises the error. Closing twice does nothing.
    void Close();

private:
    void WriteThrough(std::string_view text);
    void Drain();

    std::string path_;
    std::FILE* file_ = nullptr;
    std::string pending_;
};

// A text file read line by line. A line is read whole, whatever its length, without its line end (CR LF or LF).
class TTextFileReader {
public:
    explicit TTextFileReader(const std::string& path);
    ~TTextFileReader();
    TTextFileReader(const TTextFileReader&) = delete;
    TTextFileReader& operator=(const TTextFileReader&) = delete;

    // False at the end of the file.
    bool ReadLine(std::string& line);
    // The next piece of the file as it is, line ends included; empty at the end of the file. Valid until the next
    // read.
    std::string_view ReadBlock();

private:
    bool Refill();

    std::string path_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

// A file that must not outlive its owner: deleted at the latest when the owner is destroyed, also on the paths that
// end in an error.
class TTemporaryFile {
public:
    explicit TTemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    const std::string& Path() const { return path_; }
    // Deletes the file now; raises the error when it cannot be deleted.
    void Remove();

private:
    std::string path_;
};

} // namespace snapscribe
