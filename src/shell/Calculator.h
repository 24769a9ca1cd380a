#pragma once

// Starts the desktop's calculator; false when none is installed or it
// would not start.
bool StartCalculator();
