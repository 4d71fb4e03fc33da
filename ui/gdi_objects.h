// Owned GDI handles: each is deleted when its owner goes, so that no early
// return leaks one. GUI thread only.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace taoci {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font, bitmap or brush that this program created.
template <class Handle>
using OwnedGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedBitmap = OwnedGdiObject<HBITMAP>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using OwnedMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// Selects an object into a device context for one scope and puts the old one
// back, so that the owned object can be deleted afterwards.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (old_ != nullptr) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint and EndPaint as one scope.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &paint_); }
  HDC dc() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_ = {};
  HDC dc_ = nullptr;
};

}  // namespace taoci
