// The fakes live in their header; this unit gives them their meta-object code.
#include "fake_skinned_control.h"
