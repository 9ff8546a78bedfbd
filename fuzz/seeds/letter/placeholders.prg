Dear {LastName},
	{abcdefghijklmnopq} and {abcdefghijklmn}
{grades} after {date
