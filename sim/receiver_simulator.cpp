#include "receiver_simulator.h"
