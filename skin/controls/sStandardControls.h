#pragma once
// The skinned standard controls the form descriptions name, in one include.
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sPanel.h"
