#pragma once
// Cuts received bytes into GDL90 messages: collects the bytes after a flag up to the next flag,
// undoes the byte stuffing and hands on the clear message (message id and data, without the
// check sequence) when its check sequence matches. Bytes before the first flag, a frame with a
// wrong check sequence or a dangling escape, and a frame longer than kMaxFrameBytes are dropped,
// and the next flag starts afresh: memory stays at kMaxFrameBytes whatever arrives. A frame may
// come in pieces (a serial-to-network bridge cuts the stream where it likes).

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>

class Gdl90FrameReader {
public:
    // The longest message (an uplink: 436 bytes) and its check sequence, with room to spare.
    static constexpr int kMaxFrameBytes = 512;

    // Adds one received byte; when it ends a good frame, returns the frame's clear message.
    std::optional<QByteArray> Add(char byte);

private:
    std::optional<QByteArray> Finish() const;
    // Begins a frame after a flag.
    void Restart();

    std::array<uint8_t, kMaxFrameBytes> buffer_{};
    int length_ = 0;
    bool started_ = false; // a flag came: the bytes after it are a frame's
    bool escaped_ = false; // the last byte was the escape byte
    bool tooLong_ = false; // dropped at the next flag
};
