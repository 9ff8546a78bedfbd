{date}

PROGRESS REPORT

Student:     {firstname} {lastname}
Course:      {course}
Period:      {period}
Instructor:  {instructor}

Dear parent or guardian of {firstname} {lastname},

This report shows the grades your student has earned in {course} so
far this grading period:

{grades}

Please call or write if you have any questions.

{instructor}
