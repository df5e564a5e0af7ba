#pragma once

#include <cstddef>
#include <ostream>

// The viewer's texts. Those with conversions are printf formats.
namespace k7r::view::viewer_text {

inline constexpr const char* kUsage[] = {
    "\nUsage:   58C22VIEW imagefile [/A[time]]  [/noinit] [/?]",
    "\n",
    "\n      /A       Automatic mode (displays the image and exits after time seconds)",
    "\n               (if time is specifed then delay time seconds - default 5 seconds)",
    "\n      /noinit  Bypass register initialization",
    "\n      /?       Display this help message",
    "\nArguments enclosed in [] are optional.",
};

// Start-up and the image display.
inline constexpr const char* kBanner = "%s \nBeta version. \n";
inline constexpr const char* kRegisterAddress = "\nRegister Start Addr:       ";
inline constexpr const char* kMemoryAddress = "Display Memory Start Addr: ";
inline constexpr const char* kAddress = "%08lX\n";
inline constexpr const char* kConfiguredBySystem = "Configured by system\n";
inline constexpr const char* kAcquireFailed = "\n\n%s (%d)";
inline constexpr const char* kInitializeFailed = "\n%s, (%d)";
inline constexpr const char* kOpenImageFailed = "\nERROR: Failed to open image file:'%s'\n";
// On standard error, with ": " and the system's reason when it is known.
inline constexpr const char* kOutputFailed = "58C22VIEW: cannot write to standard output%s%s\n";
inline constexpr const char* kLowDepth =
    "This program does not display images on 1 or 2 bpp settings!\n";
// Depths the chip does not have (the register holds 1, 2, 4, 8 or 16).
inline constexpr const char* kOtherDepth =
    "This program does not display images on %u bpp settings!\n";
inline constexpr const char* kWide16 = "If bpp is 16, Display width must be less than 1024!\n";
inline constexpr const char* kImageSize = "imgW:%d, imgH:%d, imgBpp:%d\n";
inline constexpr const char* kNoVirtualMemory = "No enough memory for Virtual dispaly !\n";
inline constexpr const char* kPanelSizeOnly = "Just display panel size !\n";
inline constexpr const char* kVirtualFailed = "Virtual Initialization Error !\n";
inline constexpr const char* kVirtualSize = "VW:%d, VH:%d, BppPanel:%d\n";
inline constexpr const char* kUnknownType = "\nERROR: Unable to determine file type.\n";
inline constexpr const char* kGifDepth =
    "\nERROR: GIF image can not be displayed if image or panel is not 8 bpp.\n";
inline constexpr const char* kJpegMonochrome =
    "\nERROR: JPG monochrome image can not be displayed if panel is not 8 bpp. \n";
inline constexpr const char* kPanKeys[] = {
    "Press Esc to exit! \n",   "Press \"4\"- Move left \n", "Press \"6\"- Move right \n",
    "Press \"8\"- Move up \n", "Press \"2\"- Move down \n",
};

// BMP.
inline constexpr const char* kNotBitmap = "\nERROR: '%s' is not a valid bitmap file.\n";
// A colour table or pixel data that ends before the image does.
inline constexpr const char* kBitmapTruncated = "\nERROR: '%s' ends before its image data.\n";
inline constexpr const char* kBmpSize = "ImgH:%d, ImgW:%d\n";

// GIF.
inline constexpr const char* kGifEndOfData[] = {
    "ERROR: Unexpected end of data.\n",
    "       This indicates an error in the GIF file.\n",
};
inline constexpr const char* kGifStructure =
    "ERROR: There is an error in the GIF file. Unable to continue.\n";
inline constexpr const char* kGifInterlaced[] = {
    "ERROR: This GIF file uses an interlaced format\n",
    "       This program cannot decode an interlaced GIF image\n",
};

// JPEG.
inline constexpr const char* kJpegOpenFailed[] = {
    "ERROR: Unable to open the requested JPG file.\n",
    "       Check that the file exists and try again.\n",
};
inline constexpr const char* kJpegImageBits = "show JPG bppImg: %d \n";
inline constexpr const char* kJpegPanelBits = "show JPG bppPanel: %d \n";

template <std::size_t N>
void PrintLines(std::ostream& out, const char* const (&lines)[N]) {
    for (const char* line : lines) {
        out << line;
    }
}

inline void PrintUsage(std::ostream& out) {
    PrintLines(out, kUsage);
}

} // namespace k7r::view::viewer_text
