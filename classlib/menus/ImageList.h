#pragma once
// Image lists over the system's HIMAGELIST. Users (menus, buttons) register
// a change link to hear about every change; descendants draw in their own way
// through DoDraw and store their own data through ReadData/WriteData (the
// streamed "Bitmap" property).
#include <windows.h>
#include <objidl.h>
#include <commctrl.h>

#include <vector>

#include "classlib/core/Component.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Icon.h"

namespace classlib {

class TCustomImageList;

CLASSLIB_EXCEPTION(EImageListError, Exception);

// Tells its owner when the image list it is registered with changes.
class TChangeLink : public TObject {
 public:
  ~TChangeLink() override;
  TCustomImageList* Sender() const { return sender_; }
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
  virtual void Change();

 private:
  friend class TCustomImageList;
  TCustomImageList* sender_ = nullptr;
  TNotifyEvent onChange_;
};

enum TImageType { itImage, itMask };
enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  // The system list, made on first use from Width, Height, Masked and AllocBy.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Takes the list (freed with this one unless ShareImages) and its icon size.
  void SetHandle(HIMAGELIST value);

  // Changing the size empties the list.
  int Width() const { return width_; }
  void SetWidth(int value);
  int Height() const { return height_; }
  void SetHeight(int value);
  void SetSize(int width, int height);
  int Count() const;

  bool Masked() const { return masked_; }
  void SetMasked(bool value);
  TImageType ImageType() const { return imageType_; }
  void SetImageType(TImageType value);
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle value);
  // clNone: drawn transparently; clDefault: the list's own background.
  virtual TColor BkColor() const;
  virtual void SetBkColor(TColor value);
  TColor BlendColor() const { return blendColor_; }
  void SetBlendColor(TColor value);
  // A shared list's handle is not destroyed with this object.
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool value) { shareImages_ = value; }
  int AllocBy() const { return allocBy_; }
  void SetAllocBy(int value);

  // Adding: the index of the new image, -1 when the system refused it.
  int Add(TBitmap* image, TBitmap* mask);
  int AddMasked(TBitmap* image, TColor maskColor);
  int AddIcon(TIcon* image);
  void Replace(int index, TBitmap* image, TBitmap* mask);
  void Delete(int index);
  void Clear();

  // Draws image `index` at (x, y); a disabled image is drawn greyed.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  // Image `index` as a bitmap of Width x Height over the background colour;
  // false outside the list.
  bool GetBitmap(int index, TBitmap* image);
  // Image `index` as an icon; false outside the list.
  bool GetIcon(int index, TIcon* image);

  // Copies properties and images of another image list; null frees the images.
  void Assign(const TPersistent* source) override;

  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

  // Stored "Bitmap": the images in the system's image list stream format.
  void DefineProperties(TFiler& filer) override;
  virtual void ReadData(TStream& stream);
  virtual void WriteData(TStream& stream);

  // Tells the change links and OnChange; nothing while loading.
  virtual void Change();

 protected:
  virtual void DoDraw(int index, TCanvas& canvas, int x, int y, UINT style, bool enabled);
  // Destroys the system list (unless shared); the next use makes a new one.
  virtual void FreeHandle();
  void Loaded() override;
  UINT DrawStyleFlags() const;

  // A descendant that makes its images from data of its own can leave that
  // work until the images are first used (drawn, counted, copied): DeferFill
  // marks the list, and the first use calls FillDeferred once. Reading a form
  // then decodes no images and loads no image-list code.
  void DeferFill() { fillPending_ = true; }
  void CancelDeferredFill() { fillPending_ = false; }
  virtual void FillDeferred() {}

 private:
  void CheckIndex(int index) const;
  void RecreateEmpty();
  // Runs a pending FillDeferred; const because counting is a first use too.
  void FillIfPending() const;

  mutable bool fillPending_ = false;
  bool fillingDeferred_ = false;
  HIMAGELIST handle_ = nullptr;
  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  TImageType imageType_ = itImage;
  TDrawingStyle drawingStyle_ = dsNormal;
  TColor bkColor_ = clNone;
  TColor blendColor_ = clNone;
  bool shareImages_ = false;
  int allocBy_ = 4;
  bool changed_ = false;
  std::vector<TChangeLink*> links_;
  TNotifyEvent onChange_;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
};

}  // namespace classlib
