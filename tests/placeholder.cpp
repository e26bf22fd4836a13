#include <gtest/gtest.h>
TEST(Vide, Rien) {}
