#pragma once
// What the skin-wide passes (snapshot, lock, unlock before and after a skin
// change), the window animations and the main-window hook need of a skinned
// form. The form's skin provider implements it; this library only reads and
// calls it, so it never depends on how a form is skinned.
//
// A form answers skin command scGetProvider (4) with the address of this
// interface (TsSkinnedForm*, not of a derived class: with several bases the
// two addresses differ). SkinnedFormOf below does the asking.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "classlib/controls/Forms.h"
#include "classlib/graphics/Bitmap.h"

namespace skin {

class TsCommonData;

// Bits of the provider's state word.
inline constexpr std::uint32_t sfsSnapshotTaken = 0x0001;   // the snapshot bitmap holds the form before a skin change
inline constexpr std::uint32_t sfsSkinChangeLock = 0x0002;  // drawing is off until the unlock pass
inline constexpr std::uint32_t sfsNonClientReady = 0x0004;  // the skinned frame in the cache is current
inline constexpr std::uint32_t sfsRestorePending = 0x0200;  // hidden by the shut-down animation, shown again by a restore

// The manager's system-command state, read by form skinning (a minimize is
// under way while it is scsMinimizing).
inline constexpr std::uint8_t scsNone = 0;
inline constexpr std::uint8_t scsRestoring = 1;
inline constexpr std::uint8_t scsMinimizing = 2;
std::uint8_t SystemCommandState();

// The layered window drawn around a form with extended borders.
class TsExtBorder {
 public:
  virtual ~TsExtBorder() = default;
  // The layered window; null while it has none.
  virtual HWND BorderWindow() const = 0;
  // A region for the border window (0, 0: its current size). The caller owns it.
  virtual HRGN MakeRgn(int width, int height) const = 0;
  // Places, renders again (repaint) and pushes the border with the alpha;
  // nothing while suspended.
  virtual void UpdateExBorders(bool repaint, std::uint8_t alpha) = 0;
  virtual bool Suspended() const = 0;
  virtual void SetSuspended(bool value) = 0;
  // Gives up the layered window: the caller takes it over (a hide
  // animation) and frees it. Null when there was none.
  virtual std::unique_ptr<classlib::TWinControl> DetachBorderWindow() = 0;
  // Destroys the layered window (the border form keeps living).
  virtual void FreeBorderWindow() = 0;
  // Extended-border margins of the skin (left, top, right, bottom).
  virtual RECT Margins() const = 0;
  // Distance from the border image's top to the form window's top.
  virtual int TopOffset() const = 0;
};

class TsSkinnedForm {
 public:
  virtual ~TsSkinnedForm() = default;

  virtual classlib::TCustomForm* Form() const = 0;
  virtual TsCommonData* SkinData() const = 0;

  virtual bool DrawNonClientArea() const = 0;
  virtual bool AllowAnimation() const = 0;
  virtual bool AllowExtBorders() const = 0;

  // The state word (sfs... bits).
  virtual std::uint32_t StateBits() const = 0;
  virtual void SetStateBits(std::uint32_t bits) = 0;
  bool HasState(std::uint32_t bit) const { return (StateBits() & bit) != 0; }
  void IncludeState(std::uint32_t bit) { SetStateBits(StateBits() | bit); }
  void ExcludeState(std::uint32_t bit) { SetStateBits(StateBits() & ~bit); }

  // Set from the first pass of a skin change to the last.
  virtual bool SkinChanging() const = 0;
  virtual void SetSkinChanging(bool value) = 0;
  // Set by the main-window hook when the form fades out at shut-down.
  virtual bool Hiding() const = 0;
  virtual void SetHiding(bool value) = 0;

  // The picture of the form taken before a skin change (owned; null when none).
  virtual classlib::TBitmap* Snapshot() const = 0;
  virtual void SetSnapshot(std::unique_ptr<classlib::TBitmap> bitmap) = 0;

  // The extended-border form; null when the form has none.
  virtual TsExtBorder* ExtBorder() const = 0;

  // A window prepared to cover the form while it hides; the caller takes
  // it (and frees it). Null when none was prepared.
  virtual std::unique_ptr<classlib::TWinControl> TakeCoverWindow() = 0;
  virtual bool HasCoverWindow() const = 0;

  // A new 32-bit picture of the form as skinned, controls included (alpha
  // opaque without extended borders); drops the form's cache when asked.
  virtual std::unique_ptr<classlib::TBitmap> CreateFormImage(bool freeCache) = 0;
  // Paints the skinned frame (title, borders, menu line) into the cache.
  virtual void PaintNonClientArea() = 0;
  // Recomputes the corner cut-outs and sets (or clears) the window region.
  virtual void InitRegionRects() = 0;
  virtual void ApplyWindowRegion(bool apply) = 0;
  // Where the client area lies in the form's skinned picture.
  virtual int ClientOffsetX() const = 0;
  virtual int ClientOffsetY() const = 0;

  // The form's own minimize and restore animations (restore: true when one started).
  virtual void StartMinimizeAnimation() = 0;
  virtual bool StartRestoreAnimation() = 0;

  // Runs the form's after-animation event when one is assigned.
  virtual void AfterAnimation() = 0;
};

// The skinned form behind a control's window (its answer to scGetProvider),
// null for an unskinned one or a window of another process.
TsSkinnedForm* SkinnedFormOf(classlib::TControl* form);

}  // namespace skin
