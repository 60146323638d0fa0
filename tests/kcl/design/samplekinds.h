#pragma once
// A persistent object with the property kinds that no component of the framework
// publishes: a Single, a set of more elements than 32 bits hold, a wide character
// and a record.
#include <cstdint>

#include "kcl/classes/persistent.h"

namespace korvax::test {

class TSampleKinds : public kcl::TPersistent {
  KCL_CLASS(TSampleKinds, kcl::TPersistent)
public:
  float Ratio() const { return FRatio; }
  void SetRatio(float value) { FRatio = value; }
  uint32_t Wide() const { return FWide; }
  void SetWide(uint32_t value) { FWide = value; }
  int Letter() const { return FLetter; }
  void SetLetter(int value) { FLetter = value; }
  int Place() const { return FPlace; }
  void SetPlace(int value) { FPlace = value; }

private:
  float FRatio = 0.5f;
  uint32_t FWide = 0;
  int FLetter = 'A';
  int FPlace = 0;
};

// "w0".."w39", the elements of Wide.
const kcl::TTypeInfo* WideElementType();

}  // namespace korvax::test
