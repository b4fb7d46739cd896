#include "RealFft.h"

#include <fftw3.h>

#include <mutex>
#include <new>

namespace tarvix::sievex {

namespace {
// FFTW's planner is not reentrant; only the execution of a plan is.
std::mutex& PlannerMutex() {
  static std::mutex mutex;
  return mutex;
}
}  // namespace

RealFft::RealFft(int size)
    : size_(size),
      signal_(fftwf_alloc_real(static_cast<std::size_t>(size))),
      spectrum_(
          reinterpret_cast<std::complex<float>*>(fftwf_alloc_complex(static_cast<std::size_t>(Bins())))),
      forward_(nullptr),
      inverse_(nullptr) {
  if (signal_ != nullptr && spectrum_ != nullptr) {
    std::lock_guard lock(PlannerMutex());
    auto* spectrum = reinterpret_cast<fftwf_complex*>(spectrum_);
    forward_ = fftwf_plan_dft_r2c_1d(size, signal_, spectrum, FFTW_ESTIMATE);
    inverse_ = fftwf_plan_dft_c2r_1d(size, spectrum, signal_, FFTW_ESTIMATE);
  }
  if (forward_ == nullptr || inverse_ == nullptr) {
    Release();
    throw std::bad_alloc();
  }
}

RealFft::~RealFft() { Release(); }

void RealFft::Release() {
  std::lock_guard lock(PlannerMutex());
  if (forward_ != nullptr) fftwf_destroy_plan(static_cast<fftwf_plan>(forward_));
  if (inverse_ != nullptr) fftwf_destroy_plan(static_cast<fftwf_plan>(inverse_));
  fftwf_free(signal_);
  fftwf_free(spectrum_);
  forward_ = inverse_ = nullptr;
  signal_ = nullptr;
  spectrum_ = nullptr;
}

void RealFft::Forward() { fftwf_execute(static_cast<fftwf_plan>(forward_)); }

void RealFft::Inverse() { fftwf_execute(static_cast<fftwf_plan>(inverse_)); }

int RealFft::FastSize(int minimum) {
  for (int size = minimum < 1 ? 1 : minimum;; ++size) {
    int rest = size;
    for (int factor : {2, 3, 5, 7})
      while (rest % factor == 0) rest /= factor;
    if (rest == 1) return size;
  }
}

}  // namespace tarvix::sievex
