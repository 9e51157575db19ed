#pragma once
// Questions about the primary display: its size in pixels and its colour depth.

class DisplayInfo
{
public:
    virtual ~DisplayInfo() = default;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // 16 for a 16-colour display, 256 for a 256-colour palette, -1 for anything richer.
    virtual int ColourDepth() const = 0;

    static const DisplayInfo& Current();
    static void Install(const DisplayInfo* display); // nullptr restores the primary screen
};

// The answer for a display of the given bits per pixel.
int ColourDepthForBits(int bitsPerPixel);

int ScreenWidth();
int ScreenHeight();
int ColourDepth();
