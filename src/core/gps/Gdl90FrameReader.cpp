#include "core/gps/Gdl90FrameReader.h"

#include "core/gps/Gdl90Frame.h"

namespace {

constexpr int kGdl90CheckBytes = 2;

} // namespace

std::optional<QByteArray> Gdl90FrameReader::Add(char byte) {
    const auto value = static_cast<uint8_t>(byte);
    if (value == kGdl90Flag) {
        std::optional<QByteArray> message = Finish();
        Restart();
        return message;
    }
    if (!started_ || tooLong_)
        return std::nullopt;
    if (value == kGdl90Escape) {
        escaped_ = true;
        return std::nullopt;
    }
    if (length_ == kMaxFrameBytes) {
        tooLong_ = true;
        return std::nullopt;
    }
    buffer_[length_++] = escaped_ ? value ^ kGdl90EscapeXor : value;
    escaped_ = false;
    return std::nullopt;
}

void Gdl90FrameReader::Restart() {
    length_ = 0;
    started_ = true; // a flag both ends a frame and begins the next
    escaped_ = false;
    tooLong_ = false;
}

std::optional<QByteArray> Gdl90FrameReader::Finish() const {
    // A message id and the check sequence at the least (two flags in a row are no frame), and
    // no escape left without the byte it escapes.
    if (!started_ || tooLong_ || escaped_ || length_ < 1 + kGdl90CheckBytes)
        return std::nullopt;
    const int messageLength = length_ - kGdl90CheckBytes;
    const QByteArrayView message(reinterpret_cast<const char*>(buffer_.data()), messageLength);
    const unsigned sent = buffer_[messageLength] | buffer_[messageLength + 1] << 8;
    if (Gdl90Crc(message) != sent)
        return std::nullopt;
    return message.toByteArray();
}
