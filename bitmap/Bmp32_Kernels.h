#pragma once
// The filter kernels of the kernel resampler and the list that finds kernel
// classes by name. Filters work in single precision: the mapping tables built
// from them must come out the same on every machine.
#include <cstdint>
#include <string>

#include "bitmap/Bmp32_Containers.h"
#include "bitmap/Bmp32_Persistent.h"

namespace bmp32 {

class TCustomKernel : public classlib::TPersistent {
 public:
  virtual bool NeedsClamping() const { return false; }
  virtual float Filter(float value) const = 0;
  virtual float GetWidth() const = 0;

  // Told by Changed; not owned.
  TNotifiablePersistent* Observer() const { return observer_; }
  void SetObserver(TNotifiablePersistent* observer) { observer_ = observer; }
  // Copies the settings of a kernel of the same class.
  void Assign(const classlib::TPersistent* source) override;

 protected:
  void Changed();
  // Stores `value` into `field` and calls Changed when they differ.
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  virtual void AssignSettings(const TCustomKernel&) {}

 private:
  TNotifiablePersistent* observer_ = nullptr;
};

class TBoxKernel : public TCustomKernel {
 public:
  float Filter(float value) const override;
  float GetWidth() const override { return 1.0f; }
};

class TLinearKernel : public TCustomKernel {
 public:
  float Filter(float value) const override;
  float GetWidth() const override { return 1.0f; }
};

class TCosineKernel : public TCustomKernel {
 public:
  float Filter(float value) const override;
  float GetWidth() const override { return 1.0f; }
};

class TSplineKernel : public TCustomKernel {
 public:
  bool NeedsClamping() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2.0f; }
};

class TMitchellKernel : public TCustomKernel {
 public:
  bool NeedsClamping() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2.0f; }
};

class TCubicKernel : public TCustomKernel {
 public:
  bool NeedsClamping() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2.0f; }
  float Coeff() const { return coeff_; }
  void SetCoeff(float value) { Set(coeff_, value); }

 protected:
  void AssignSettings(const TCustomKernel& source) override;

 private:
  float coeff_ = -0.5f;
};

class THermiteKernel : public TCustomKernel {
 public:
  bool NeedsClamping() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2.0f; }
  float Bias() const { return bias_; }
  void SetBias(float value) { Set(bias_, value); }
  float Tension() const { return tension_; }
  void SetTension(float value) { Set(tension_, value); }

 protected:
  void AssignSettings(const TCustomKernel& source) override;

 private:
  float bias_ = 0.0f;
  float tension_ = 0.0f;
};

class TSinshKernel : public TCustomKernel {
 public:
  bool NeedsClamping() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return width_; }
  float Width() const { return width_; }
  void SetWidth(float value) { Set(width_, value); }
  float Coeff() const { return coeff_; }
  void SetCoeff(float value) { Set(coeff_, value); }

 protected:
  void AssignSettings(const TCustomKernel& source) override;

 private:
  float width_ = 3.0f;
  float coeff_ = 0.5f;
};

// sinc(x) times a window, within Width (at most 16).
class TWindowedSincKernel : public TCustomKernel {
 public:
  bool NeedsClamping() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return width_; }
  virtual float Window(float value) const = 0;
  float Width() const { return width_; }
  void SetWidth(float value);

 protected:
  void AssignSettings(const TCustomKernel& source) override;

 private:
  float width_ = 3.0f;
};

class TLanczosKernel : public TWindowedSincKernel {
 public:
  float Window(float value) const override;
};

class TGaussianKernel : public TWindowedSincKernel {
 public:
  float Window(float value) const override;
  float Sigma() const { return sigma_; }
  void SetSigma(float value) { Set(sigma_, value); }

 protected:
  void AssignSettings(const TCustomKernel& source) override;

 private:
  float sigma_ = 1.33f;
};

class TBlackmanKernel : public TWindowedSincKernel {
 public:
  float Window(float value) const override;
};

class THannKernel : public TWindowedSincKernel {
 public:
  float Window(float value) const override;
};

class THammingKernel : public TWindowedSincKernel {
 public:
  float Window(float value) const override;
};

class TAlbrechtKernel : public TWindowedSincKernel {
 public:
  float Window(float value) const override;
  std::int32_t Terms() const { return terms_; }
  // Clamped to 2..11.
  void SetTerms(std::int32_t value);

 protected:
  void AssignSettings(const TCustomKernel& source) override;

 private:
  std::int32_t terms_ = 7;
};

// A kernel class: its name and how to make one.
struct TKernelClass {
  std::wstring Name;
  TCustomKernel* (*Create)() = nullptr;
  const std::wstring& ClassName() const { return Name; }
};

// The standard kernels first, then those added by RegisterKernel.
TClassList<const TKernelClass*>& KernelList();
void RegisterKernel(const TKernelClass* cls);

}  // namespace bmp32
