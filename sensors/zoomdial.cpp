#include "zoomdial.h"

bool dialWidens(int change)
{
    return change < -5 || (change >= 1 && change <= 4);
}

int limit(int a, int b, int span)
{
    const int half = span / 2;
    const int distance = a - b;
    if ((a > b && distance < half) || distance < -half)
        return 1;
    if (distance > half || (distance > -half && distance < 0))
        return -1;
    return 0;
}
