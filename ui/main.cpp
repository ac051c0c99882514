// Tervolin: scattering of X-ray photons in matter, a teaching tool.

#include "ui/program.h"

int main(int argc, char* argv[]) { return tervolin::ui::RunTervolin(argc, argv); }
