// An animated WebP file built frame by frame, lossless, so that every one
// of the frame's colours, far more than the 256 a GIF holds, stays exact.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class WebpAnimation {
public:
    // Frames of width x height, each shown for delayMs milliseconds.
    WebpAnimation(int width, int height, int delayMs);
    ~WebpAnimation();
    WebpAnimation(const WebpAnimation&) = delete;
    WebpAnimation& operator=(const WebpAnimation&) = delete;

    // Adds a frame of 0x00RRGGBB pixels, rows back to back; false, with the
    // reason in error, when the encoder refuses it.
    bool Add(const uint32_t* pixels, std::string& error);

    // Assembles the frames and writes the file; false, with the reason in
    // error, when that fails. Nothing is written before this call.
    bool Write(const char* path, std::string& error);

private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder_;
};
