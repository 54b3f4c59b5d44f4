#include "platform/sndfile_audio_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <sndfile.h>

namespace kolven::platform {

namespace {

constexpr int kHighestRate = 768000;
constexpr int kMostChannels = 64;

class SndfileReader final : public AudioReader {
public:
    SndfileReader(SNDFILE* file, const SF_INFO& info) : m_file(file), m_info(info) {}
    ~SndfileReader() override { sf_close(m_file); }
    SndfileReader(const SndfileReader&) = delete;
    SndfileReader& operator=(const SndfileReader&) = delete;

    int sampleRate() const override { return m_info.samplerate; }
    int channels() const override { return m_info.channels; }
    std::size_t read(float* interleaved, std::size_t frames) override
    {
        const sf_count_t n = sf_readf_float(m_file, interleaved, static_cast<sf_count_t>(frames));
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }

private:
    SNDFILE* m_file;
    SF_INFO m_info;
};

}  // namespace

// The name is looked at without following a link, opened without waiting
// (a pipe would block for good) and looked at again once open.
AudioOpening SndfileAudioFiles::open(const std::string& path)
{
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? AudioFault::Missing : AudioFault::Unreadable, nullptr};
    if (S_ISLNK(named.st_mode))
        return {AudioFault::Link, nullptr};
    if (!S_ISREG(named.st_mode))
        return {AudioFault::NotRegular, nullptr};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {errno == ELOOP ? AudioFault::Link : AudioFault::Unreadable, nullptr};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {AudioFault::NotRegular, nullptr};
    }
    if (st.st_size > kLargestFile) {
        ::close(fd);
        return {AudioFault::TooLarge, nullptr};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    SF_INFO info{};
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);  // closes fd, even when it fails
    if (!file)
        return {AudioFault::NotAudio, nullptr};
    // A header may claim any rate or width; beyond what sound cards record
    // it is not a recording, and the detector would size its buffers on it.
    if (info.samplerate <= 0 || info.samplerate > kHighestRate || info.channels <= 0 || info.channels > kMostChannels) {
        sf_close(file);
        return {AudioFault::NotAudio, nullptr};
    }
    // Integer samples read as floats in [-1, 1] whatever their width.
    sf_command(file, SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    return {AudioFault::None, std::make_unique<SndfileReader>(file, info)};
}

}  // namespace kolven::platform
