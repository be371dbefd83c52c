#include "classlib/menus/ImageList.h"

#include <objidl.h>

#include <algorithm>

#include "classlib/core/Filer.h"
#include "classlib/core/Stream.h"

namespace classlib {
namespace {

COLORREF ToListColor(TColor color) {
  if (color == clNone) return CLR_NONE;
  if (color == clDefault) return CLR_DEFAULT;
  return static_cast<COLORREF>(ColorToRGB(color));
}

// A copy of the bitmap's pixels in a bitmap of its own: the image list
// selects what it is given into its own DC, and a TBitmap stays selected
// into its canvas.
HBITMAP DetachedCopy(TBitmap& source, bool monochrome) {
  const int width = source.Width();
  const int height = source.Height();
  const HDC screen = GetDC(nullptr);
  const HBITMAP copy = monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                                  : CreateCompatibleBitmap(screen, width, height);
  const HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, copy);
  BitBlt(dc, 0, 0, width, height, source.Canvas()->Handle(), 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteDC(dc);
  return copy;
}

// Releases a COM interface at the end of a scope.
template <class I>
struct TComRelease {
  I* p = nullptr;
  ~TComRelease() {
    if (p) p->Release();
  }
};

}  // namespace

// ------------------------------------------------------------- TChangeLink

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (onChange_) onChange_(sender_);
}

// -------------------------------------------------------- TCustomImageList

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : links_) link->sender_ = nullptr;
  links_.clear();
  FreeHandle();
}

void TCustomImageList::FillIfPending() const {
  if (!fillPending_) return;
  fillPending_ = false;
  // The images were the list's all along: their late making is no change
  // for the users to hear about (they may be drawing it right now).
  auto* self = const_cast<TCustomImageList*>(this);
  struct TQuiet {
    bool& flag;
    const bool before = flag;
    explicit TQuiet(bool& f) : flag(f) { flag = true; }
    ~TQuiet() { flag = before; }
  } quiet{self->fillingDeferred_};
  self->FillDeferred();
}

HIMAGELIST TCustomImageList::Handle() {
  FillIfPending();
  if (!handle_) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | (masked_ ? ILC_MASK : 0), allocBy_, allocBy_);
    if (!handle_) throw EImageListError(L"Cannot create an image list");
    ImageList_SetBkColor(handle_, ToListColor(bkColor_));
  }
  return handle_;
}

void TCustomImageList::SetHandle(HIMAGELIST value) {
  if (value == handle_) return;
  FreeHandle();
  handle_ = value;
  if (value) {
    int width = 0, height = 0;
    ImageList_GetIconSize(value, &width, &height);
    width_ = width;
    height_ = height;
  }
  Change();
}

void TCustomImageList::FreeHandle() {
  fillPending_ = false;
  if (handle_ && !shareImages_) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

void TCustomImageList::RecreateEmpty() {
  FillIfPending();
  if (!handle_) return;
  FreeHandle();
  Change();
}

void TCustomImageList::SetWidth(int value) { SetSize(value, height_); }
void TCustomImageList::SetHeight(int value) { SetSize(width_, value); }

void TCustomImageList::SetSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  if (handle_) RecreateEmpty();
}

int TCustomImageList::Count() const {
  FillIfPending();
  return handle_ ? ImageList_GetImageCount(handle_) : 0;
}

void TCustomImageList::SetMasked(bool value) {
  if (masked_ == value) return;
  masked_ = value;
  RecreateEmpty();
}

void TCustomImageList::SetImageType(TImageType value) {
  if (imageType_ == value) return;
  imageType_ = value;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle value) {
  if (drawingStyle_ == value) return;
  drawingStyle_ = value;
  Change();
}

TColor TCustomImageList::BkColor() const { return bkColor_; }

void TCustomImageList::SetBkColor(TColor value) {
  if (bkColor_ == value) return;
  bkColor_ = value;
  if (handle_) ImageList_SetBkColor(handle_, ToListColor(value));
  Change();
}

void TCustomImageList::SetBlendColor(TColor value) {
  if (blendColor_ == value) return;
  blendColor_ = value;
  Change();
}

void TCustomImageList::SetAllocBy(int value) { allocBy_ = std::max(value, 1); }

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EImageListError(L"Invalid ImageList index");
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!image || image->Empty()) return -1;
  const HBITMAP colour = DetachedCopy(*image, false);
  const HBITMAP monochrome = mask && !mask->Empty() ? DetachedCopy(*mask, true) : nullptr;
  const int index = ImageList_Add(Handle(), colour, monochrome);
  DeleteObject(colour);
  if (monochrome) DeleteObject(monochrome);
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (!image || image->Empty()) return -1;
  const HBITMAP colour = DetachedCopy(*image, false);
  const int index = ImageList_AddMasked(Handle(), colour, static_cast<COLORREF>(ColorToRGB(maskColor)));
  DeleteObject(colour);
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddIcon(TIcon* image) {
  if (!image || image->Empty()) return -1;
  const int index = ImageList_ReplaceIcon(Handle(), -1, image->Handle());
  if (index >= 0) Change();
  return index;
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index);
  if (!image || image->Empty()) return;
  const HBITMAP colour = DetachedCopy(*image, false);
  const HBITMAP monochrome = mask && !mask->Empty() ? DetachedCopy(*mask, true) : nullptr;
  const BOOL done = ImageList_Replace(handle_, index, colour, monochrome);
  DeleteObject(colour);
  if (monochrome) DeleteObject(monochrome);
  if (!done) throw EImageListError(L"Failed to replace image");
  Change();
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index);
  ImageList_Remove(handle_, index);
  Change();
}

void TCustomImageList::Clear() {
  FillIfPending();
  if (!handle_) return;
  ImageList_Remove(handle_, -1);
  Change();
}

UINT TCustomImageList::DrawStyleFlags() const {
  static constexpr UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  return kStyles[drawingStyle_] | (imageType_ == itMask ? ILD_MASK : 0);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count()) return;
  DoDraw(index, canvas, x, y, DrawStyleFlags(), enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas& canvas, int x, int y, UINT style, bool enabled) {
  const HDC dc = canvas.Handle();
  if (enabled) {
    ImageList_DrawEx(handle_, index, dc, x, y, 0, 0, ToListColor(bkColor_), ToListColor(blendColor_), style);
    return;
  }
  const HICON icon = ImageList_GetIcon(handle_, index, ILD_NORMAL);
  if (!icon) return;
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, width_, height_,
             DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}

bool TCustomImageList::GetBitmap(int index, TBitmap* image) {
  if (!image || index < 0 || index >= Count()) return false;
  image->SetPixelFormat(pf32bit);
  image->SetSize(width_, height_);
  TCanvas& canvas = *image->Canvas();
  if (bkColor_ != clNone) {
    canvas.Brush()->SetColor(bkColor_);
    canvas.FillRect(Rect(0, 0, width_, height_));
  }
  ImageList_Draw(handle_, index, canvas.Handle(), 0, 0, ILD_NORMAL);
  return true;
}

bool TCustomImageList::GetIcon(int index, TIcon* image) {
  if (!image || index < 0 || index >= Count()) return false;
  const HICON icon = ImageList_GetIcon(handle_, index, ILD_NORMAL);
  if (!icon) return false;
  image->SetHandle(icon);
  return true;
}

void TCustomImageList::Assign(const TPersistent* source) {
  if (!source) {
    FreeHandle();
    Change();
    return;
  }
  const auto* list = dynamic_cast<const TCustomImageList*>(source);
  if (!list) {
    TComponent::Assign(source);
    return;
  }
  FreeHandle();
  width_ = list->width_;
  height_ = list->height_;
  masked_ = list->masked_;
  imageType_ = list->imageType_;
  drawingStyle_ = list->drawingStyle_;
  bkColor_ = list->bkColor_;
  blendColor_ = list->blendColor_;
  allocBy_ = list->allocBy_;
  shareImages_ = false;  // the copy owns its own images
  list->FillIfPending();
  if (list->handle_) handle_ = ImageList_Duplicate(list->handle_);
  Change();
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
  if (!link || std::find(links_.begin(), links_.end(), link) != links_.end()) return;
  if (link->sender_) link->sender_->UnRegisterChanges(link);
  link->sender_ = this;
  links_.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
  const auto it = std::find(links_.begin(), links_.end(), link);
  if (it == links_.end()) return;
  links_.erase(it);
  link->sender_ = nullptr;
}

void TCustomImageList::Change() {
  if (fillingDeferred_) return;
  changed_ = true;
  if (ComponentState().Contains(csLoading)) return;
  changed_ = false;
  const std::vector<TChangeLink*> links = links_;  // a link may unregister itself
  for (TChangeLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->Change();
  if (onChange_) onChange_(this);
}

void TCustomImageList::Loaded() {
  TComponent::Loaded();
  if (changed_) Change();
}

void TCustomImageList::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      L"Bitmap", [this](TStream& stream) { ReadData(stream); }, [this](TStream& stream) { WriteData(stream); },
      Count() > 0);
}

void TCustomImageList::ReadData(TStream& stream) {
  const std::vector<uint8_t> bytes = stream.ReadRemaining();
  if (bytes.empty()) {
    Clear();
    return;
  }
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) throw EImageListError(L"Out of memory");
  std::copy(bytes.begin(), bytes.end(), static_cast<uint8_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  TComRelease<IStream> com;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &com.p))) {
    GlobalFree(memory);
    throw EImageListError(L"Failed to read ImageList data from stream");
  }
  const HIMAGELIST list = ImageList_Read(com.p);
  if (!list) throw EImageListError(L"Failed to read ImageList data from stream");
  SetHandle(list);
}

void TCustomImageList::WriteData(TStream& stream) {
  TComRelease<IStream> com;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &com.p)) || !ImageList_Write(Handle(), com.p))
    throw EImageListError(L"Failed to write ImageList data to stream");
  STATSTG stat{};
  HGLOBAL memory = nullptr;
  if (FAILED(com.p->Stat(&stat, STATFLAG_NONAME)) || FAILED(GetHGlobalFromStream(com.p, &memory)))
    throw EImageListError(L"Failed to write ImageList data to stream");
  const void* bytes = GlobalLock(memory);
  stream.WriteBuffer(bytes, static_cast<int64_t>(stat.cbSize.QuadPart));
  GlobalUnlock(memory);
}

}  // namespace classlib
