#pragma once
// Fonts named by ids, for controls and for text on canvas controls.

#include <windows.h>

#include <string>

namespace runtime {

// Fonts are named by ids; 1 to 3 are kept for the built-in canvas fonts. Style bits: 1 bold,
// 2 italic, 4 underline, 8 strike-out. The platform font is made when first used.
int NewFont(const std::string& face, int points, int styleBits, int charset);
void EndFont(int font);
HFONT FontHandle(int font);  // makes the platform font on first use; null if it cannot be made
void SetControlFont(HWND dialog, int id, int font);

// A font for one scope: made by NewFont, ended when it goes.
class ScopedFont {
  public:
    ScopedFont(const std::string& face, int points, int styleBits, int charset)
        : id_(NewFont(face, points, styleBits, charset)) {}
    ~ScopedFont() { EndFont(id_); }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;
    int Id() const { return id_; }

  private:
    int id_;
};

}  // namespace runtime
