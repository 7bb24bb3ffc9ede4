// Makes the bundled sample movie and its finished analysis:
//   make_ball_toss FOLDER
#include <iostream>

#include "ball_toss.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_ball_toss FOLDER\n";
    return 2;
  }
  std::string error;
  if (!kinovex::samples::MakeBallTossSample(argv[1], error)) {
    std::cerr << "make_ball_toss: " << error << "\n";
    return 1;
  }
  return 0;
}
