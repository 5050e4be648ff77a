// The shown instrument's inputs (page_inputs.cpp), for the module's other
// parts that drive it: the lesson player.
#pragma once

class HostInputs;

HostInputs& pageInputs();
