// The program of a layer's link check: everything it links comes from the layer's library.
int main()
{
    return 0;
}
