// placeholder until the first widget of this folder lands
