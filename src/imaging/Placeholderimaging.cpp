// placeholder until the first operation lands
