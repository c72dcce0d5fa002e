#include "LinkLabel.h"
