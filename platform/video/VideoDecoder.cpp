// FFmpeg behind VideoDecoder: a demuxer reading from memory, one video stream's decoder, and the
// colour conversion to our 0xFFRRGGBB pixels written straight into the Bitmap's rows.
#include "platform/video/VideoDecoder.h"

#include "platform/files/Files.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat {
namespace {

// Only the container and codecs a product video is made with, and a few close kin, are opened:
// a damaged or hostile file then never reaches the rest of the libraries' parsers.
constexpr const char* kFormats = "avi";
constexpr const char* kCodecs = "mpeg4,msmpeg4v1,msmpeg4v2,msmpeg4v3,h264,mjpeg,rawvideo,cinepak,msvideo1";
// How far the demuxer may read to learn the streams (bytes) and how long it may take (µs).
constexpr int64_t kProbeSize = 1 << 20;
constexpr int64_t kAnalyzeDurationUs = 5'000'000;
constexpr int kIoBufferSize = 32 * 1024;

struct MemoryInput {
    std::string bytes;
    size_t pos = 0;
};

int ReadPacket(void* opaque, uint8_t* buf, int size) {
    auto* in = static_cast<MemoryInput*>(opaque);
    size_t left = in->bytes.size() - in->pos;
    if (left == 0)
        return AVERROR_EOF;
    size_t n = std::min(left, static_cast<size_t>(size));
    std::memcpy(buf, in->bytes.data() + in->pos, n);
    in->pos += n;
    return static_cast<int>(n);
}

int64_t Seek(void* opaque, int64_t offset, int whence) {
    auto* in = static_cast<MemoryInput*>(opaque);
    int64_t size = static_cast<int64_t>(in->bytes.size());
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return size;
    case SEEK_SET:
        base = 0;
        break;
    case SEEK_CUR:
        base = static_cast<int64_t>(in->pos);
        break;
    case SEEK_END:
        base = size;
        break;
    default:
        return -1;
    }
    int64_t target = base + offset;
    if (target < 0 || target > size)
        return -1;
    in->pos = static_cast<size_t>(target);
    return target;
}

std::string AvError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void QuietLibraries() {
    static const bool done = [] {
        // The libraries would otherwise print every damaged packet on stderr.
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)done;
}

class FfmpegDecoder final : public VideoDecoder {
public:
    FfmpegDecoder(std::string bytes, std::string name) : name_(std::move(name)) {
        input_.bytes = std::move(bytes);
    }

    // Separate from the constructor so that a failure midway is cleaned up by the destructor.
    void Start() {
        QuietLibraries();
        OpenContainer();
        OpenStream();
    }

    ~FfmpegDecoder() override {
        sws_freeContext(scaler_);
        av_frame_free(&decoded_);
        av_packet_free(&packet_);
        avcodec_free_context(&codec_);
        avformat_close_input(&format_);
        if (io_)
            av_freep(&io_->buffer);
        avio_context_free(&io_);
    }

    bool NextFrame(Bitmap& frame) override {
        while (!finished_) {
            int got = avcodec_receive_frame(codec_, decoded_);
            if (got == 0) {
                if (!Convert(frame))
                    continue;
                ++framesDecoded_;
                return true;
            }
            if (got == AVERROR_EOF) {
                finished_ = true;
                break;
            }
            if (got != AVERROR(EAGAIN)) {
                // A frame the decoder could not finish: count it as a bad packet and go on.
                if (++badPackets_ > kMaxBadPackets)
                    finished_ = true;
                continue;
            }
            FeedDecoder();
        }
        return false;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EVideoError("Video " + name_ + ": " + what);
    }

    void OpenContainer() {
        if (input_.bytes.empty())
            Fail("the file is empty");
        auto* buffer = static_cast<uint8_t*>(av_malloc(kIoBufferSize));
        if (!buffer)
            Fail("out of memory");
        io_ = avio_alloc_context(buffer, kIoBufferSize, 0, &input_, &ReadPacket, nullptr, &Seek);
        if (!io_) {
            av_free(buffer);
            Fail("out of memory");
        }
        format_ = avformat_alloc_context();
        if (!format_)
            Fail("out of memory");
        format_->pb = io_;
        format_->flags |= AVFMT_FLAG_CUSTOM_IO;
        format_->probesize = kProbeSize;
        format_->max_analyze_duration = kAnalyzeDurationUs;
        format_->format_whitelist = av_strdup(kFormats);
        format_->codec_whitelist = av_strdup(kCodecs);
        int rc = avformat_open_input(&format_, nullptr, nullptr, nullptr);
        if (rc < 0) {
            format_ = nullptr; // freed by avformat_open_input on failure
            Fail("not a video we can play (" + AvError(rc) + ")");
        }
        rc = avformat_find_stream_info(format_, nullptr);
        if (rc < 0)
            Fail("its streams cannot be read (" + AvError(rc) + ")");
    }

    void OpenStream() {
        stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (stream_ < 0)
            Fail("it holds no video stream");
        AVStream* stream = format_->streams[stream_];
        const AVCodecParameters* par = stream->codecpar;
        if (par->width <= 0 || par->height <= 0 || par->width > kMaxSide || par->height > kMaxSide)
            Fail("frame size out of range: " + std::to_string(par->width) + " x " +
                 std::to_string(par->height));
        const AVCodec* codec = avcodec_find_decoder(par->codec_id);
        if (!codec)
            Fail("no decoder for its compression");
        codec_ = avcodec_alloc_context3(codec);
        if (!codec_ || avcodec_parameters_to_context(codec_, par) < 0)
            Fail("out of memory");
        codec_->thread_count = 1;
        codec_->flags |= AV_CODEC_FLAG_BITEXACT;
        codec_->codec_whitelist = av_strdup(kCodecs);
        int rc = avcodec_open2(codec_, codec, nullptr);
        if (rc < 0)
            Fail("the decoder did not open (" + AvError(rc) + ")");
        width_ = par->width;
        height_ = par->height;
        fps_ = FrameRate(stream);
        durationMs_ = Duration(stream);
        packet_ = av_packet_alloc();
        decoded_ = av_frame_alloc();
        if (!packet_ || !decoded_)
            Fail("out of memory");
    }

    double FrameRate(const AVStream* stream) const {
        AVRational rate = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
        if (rate.num <= 0 || rate.den <= 0)
            return 25.0;
        double fps = av_q2d(rate);
        if (!std::isfinite(fps) || fps < kMinFps || fps > kMaxFps)
            Fail("frame rate out of range");
        return fps;
    }

    int64_t Duration(const AVStream* stream) const {
        if (stream->duration > 0 && stream->time_base.num > 0 && stream->time_base.den > 0)
            return av_rescale_q(stream->duration, stream->time_base, AVRational{1, 1000});
        if (stream->nb_frames > 0)
            return static_cast<int64_t>(std::llround(static_cast<double>(stream->nb_frames) * 1000.0 / fps_));
        if (format_->duration > 0)
            return format_->duration / (AV_TIME_BASE / 1000);
        return 0;
    }

    // Sends the next packet of our stream to the decoder, or the end of the stream.
    void FeedDecoder() {
        for (;;) {
            int rc = av_read_frame(format_, packet_);
            if (rc < 0) {
                avcodec_send_packet(codec_, nullptr); // drain what the decoder still holds
                return;
            }
            if (packet_->stream_index != stream_) {
                av_packet_unref(packet_);
                continue;
            }
            rc = avcodec_send_packet(codec_, packet_);
            av_packet_unref(packet_);
            if (rc == 0 || rc == AVERROR(EAGAIN)) {
                badPackets_ = 0;
                return;
            }
            if (rc == AVERROR_EOF) {
                finished_ = true;
                return;
            }
            if (++badPackets_ > kMaxBadPackets) {
                finished_ = true;
                return;
            }
        }
    }

    // Converts the decoded frame into `frame`; false when it cannot be shown (a frame whose size
    // changed midway, or a format the converter refuses), which skips it.
    bool Convert(Bitmap& frame) {
        if (decoded_->width != width_ || decoded_->height != height_ || decoded_->format < 0)
            return false;
        scaler_ = sws_getCachedContext(
            scaler_, width_, height_, static_cast<AVPixelFormat>(decoded_->format), width_, height_,
            AV_PIX_FMT_BGRA, SWS_BILINEAR | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr, nullptr);
        if (!scaler_)
            return false;
        if (frame.Width() != width_ || frame.Height() != height_) {
            Bitmap fresh(width_, height_);
            frame = std::move(fresh);
        }
        // BGRA bytes are the pixel word 0xAARRGGBB on a little-endian machine; video has no
        // alpha, so the converter writes 0xFF there, as our opaque pixels want.
        uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(frame.Bits()), nullptr, nullptr, nullptr};
        int strides[4] = {width_ * 4, 0, 0, 0};
        int rows = sws_scale(scaler_, decoded_->data, decoded_->linesize, 0, height_, planes, strides);
        return rows == height_;
    }

    std::string name_;
    MemoryInput input_;
    AVIOContext* io_ = nullptr;
    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* decoded_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int stream_ = -1;
    int badPackets_ = 0;
    bool finished_ = false;
};

} // namespace

std::unique_ptr<VideoDecoder> VideoDecoder::Open(std::string bytes, std::string name) {
    auto decoder = std::make_unique<FfmpegDecoder>(std::move(bytes), std::move(name));
    decoder->Start();
    return decoder;
}

std::unique_ptr<VideoDecoder> VideoDecoder::OpenFile(std::string_view winPath) {
    return Open(ReadFileBytes(winPath), std::string(winPath));
}

unsigned VideoDecoder::FrameIntervalMs() const {
    return static_cast<unsigned>(std::lround(1000.0 / fps_));
}

} // namespace plat
