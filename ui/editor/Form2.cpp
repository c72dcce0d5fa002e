#include "Form2.h"
