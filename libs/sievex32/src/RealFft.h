#pragma once
#include <complex>

namespace tarvix::sievex {

// A forward and inverse real transform of one size over its own aligned buffers, planned once and
// run for every trace of a block. The inverse is unnormalised: a round trip scales by Size().
class RealFft {
 public:
  explicit RealFft(int size);
  ~RealFft();
  RealFft(const RealFft&) = delete;
  RealFft& operator=(const RealFft&) = delete;

  int Size() const { return size_; }
  int Bins() const { return size_ / 2 + 1; }
  float* Signal() { return signal_; }
  std::complex<float>* Spectrum() { return spectrum_; }

  // Signal() to Spectrum().
  void Forward();
  // Spectrum() to Signal(); the spectrum is used up.
  void Inverse();

  // The smallest size of at least `minimum` whose prime factors are 2, 3, 5 and 7, for which the
  // transform is fastest.
  static int FastSize(int minimum);

 private:
  void Release();

  int size_;
  float* signal_;
  std::complex<float>* spectrum_;
  void* forward_;
  void* inverse_;
};

}  // namespace tarvix::sievex
