/* The smallest Windows program: the installer that the signing tests sign. */
int main(void)
{
    return 0;
}
